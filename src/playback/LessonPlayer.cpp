#include "LessonPlayer.h"

#include "Mp3Decoder.h"

namespace kelvaro {

LessonPlayer::LessonPlayer(std::unique_ptr<AudioOutput> output)
    : EnginePlayer(std::make_unique<StretchingAudioOutput>(std::move(output))),
      m_stretcher(&static_cast<StretchingAudioOutput&>(m_engine.output()))
{
}

void LessonPlayer::setSpeed(double speed)
{
    m_stretcher->setTempo(speed);
}

void LessonPlayer::setFile(const QString& path)
{
    m_file = path;
    auto decoder = Mp3Decoder::open(path);
    m_openError = decoder.error();
    m_engine.setDecoder(decoder ? std::move(decoder).value() : nullptr);
    setEndFence(m_fence);
}

void LessonPlayer::setEndFence(double seconds)
{
    m_fence = seconds;
    if (rate() > 0)
        m_engine.setFence(seconds < 0 ? -1 : framesAt(seconds, rate()));
}

} // namespace kelvaro
