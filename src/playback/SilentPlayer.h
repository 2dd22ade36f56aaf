#pragma once

#include "ports/MediaPlayer.h"

#include <QElapsedTimer>

namespace kelvaro {

/// A player that produces no sound but keeps a position that runs in real time while it
/// plays, so the window's reading logic behaves as with sound. Used where no audio output
/// is wired.
class SilentPlayer : public MediaPlayer
{
public:
    void setFile(const QString& path) override { m_file = path; }
    QString file() const override { return m_file; }
    void play() override
    {
        if (!m_playing) {
            m_clock.start();
            m_playing = true;
        }
    }
    void pause() override
    {
        m_start = position();
        m_playing = false;
    }
    void stop() override
    {
        m_playing = false;
        m_start = 0;
    }
    double position() const override
    {
        return m_playing ? m_start + m_clock.elapsed() / 1000.0 : m_start;
    }
    void setPosition(double seconds) override
    {
        m_start = seconds;
        if (m_playing)
            m_clock.start();
    }
    void setVolume(int) override {}
    bool isPlaying() const override { return m_playing; }

private:
    QString m_file;
    QElapsedTimer m_clock;
    double m_start = 0;
    bool m_playing = false;
};

} // namespace kelvaro
