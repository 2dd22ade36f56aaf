#include "WavPlayer.h"

#include "PcmDecoder.h"
#include "WavFile.h"

namespace kelvaro {

WavPlayer::WavPlayer(std::unique_ptr<AudioOutput> output) : m_engine(std::move(output)) {}

void WavPlayer::setFile(const QString& path)
{
    m_file = path;
    auto sound = readWav(path);
    if (!sound) {
        m_engine.setDecoder(nullptr);
        return;
    }
    m_engine.setDecoder(
        std::make_unique<PcmDecoder>(std::make_shared<const PcmSound>(std::move(sound).value())));
    // A media player given a file starts it at once (automatic start).
    m_engine.play();
}

double WavPlayer::position() const
{
    const int rate = m_engine.format().rate;
    return rate > 0 ? double(m_engine.position()) / rate : 0.0;
}

void WavPlayer::setPosition(double seconds)
{
    const int rate = m_engine.format().rate;
    if (rate > 0)
        m_engine.seek(framesAt(seconds, rate));
}

} // namespace kelvaro
