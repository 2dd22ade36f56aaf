#include "EnginePlayer.h"

namespace kelvaro {

double EnginePlayer::position() const
{
    const int r = rate();
    return r > 0 ? double(m_engine.position()) / r : 0.0;
}

void EnginePlayer::setPosition(double seconds)
{
    if (rate() > 0)
        m_engine.seek(framesAt(seconds, rate()));
}

} // namespace kelvaro
