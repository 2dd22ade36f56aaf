#include "FakeMediaPlayer.h"

namespace kelvaro {

void FakeMediaPlayer::setFile(const QString& path)
{
    m_calls.append(QStringLiteral("setFile ") + path);
    m_file = path;
    m_openError = m_refused.value(path);
    m_playing = false;
    m_position = 0;
}

void FakeMediaPlayer::play()
{
    m_calls.append(QStringLiteral("play"));
    if (m_playing || !m_openError.isEmpty())
        return;
    m_playing = true;
    m_since = now();
    m_speed = m_nextSpeed;
}

void FakeMediaPlayer::pause()
{
    m_calls.append(QStringLiteral("pause"));
    m_position = position();
    m_playing = false;
}

void FakeMediaPlayer::stop()
{
    m_calls.append(QStringLiteral("stop"));
    m_playing = false;
    m_position = 0;
}

double FakeMediaPlayer::position() const
{
    if (!m_playing)
        return m_position;
    return m_position + double(now() - m_since) / 1000.0 * m_speed;
}

void FakeMediaPlayer::setPosition(double seconds)
{
    m_calls.append(QStringLiteral("setPosition ") + QString::number(seconds));
    m_position = seconds;
    m_since = now();
    m_speed = m_nextSpeed;
}

void FakeMediaPlayer::setVolume(int volume)
{
    m_calls.append(QStringLiteral("setVolume ") + QString::number(volume));
    m_volume = volume;
}

void FakeMediaPlayer::setSpeed(double speed)
{
    // As the real player: from the next start on.
    m_nextSpeed = speed;
}

void FakeMediaPlayer::setEndFence(double seconds)
{
    m_calls.append(QStringLiteral("setEndFence ") + QString::number(seconds));
    m_endFence = seconds;
}

} // namespace kelvaro
