#include "LessonPlayer.h"

#include "Mp3Decoder.h"

namespace kelvaro {

LessonPlayer::LessonPlayer(std::unique_ptr<AudioOutput> output) : m_engine(std::move(output)) {}

void LessonPlayer::setFile(const QString& path)
{
    m_file = path;
    auto decoder = Mp3Decoder::open(path);
    m_openError = decoder.error();
    m_engine.setDecoder(decoder ? std::move(decoder).value() : nullptr);
    setEndFence(m_fence);
}

double LessonPlayer::position() const
{
    const int r = rate();
    return r > 0 ? double(m_engine.position()) / r : 0.0;
}

void LessonPlayer::setPosition(double seconds)
{
    if (rate() > 0)
        m_engine.seek(framesAt(seconds, rate()));
}

void LessonPlayer::setEndFence(double seconds)
{
    m_fence = seconds;
    if (rate() > 0)
        m_engine.setFence(seconds < 0 ? -1 : framesAt(seconds, rate()));
}

} // namespace kelvaro
