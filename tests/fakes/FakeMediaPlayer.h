#pragma once

#include "FakeClock.h"

#include "ports/MediaPlayer.h"

#include <QHash>
#include <QStringList>

namespace kelvaro {

/// A player that logs every call and whose position runs with a FakeClock while playing, at
/// its speed (set for the next start): at 0.5 a second of the recording takes two of the clock.
/// Log entries: "setFile <path>", "play", "pause", "stop", "setPosition <s>", "setVolume <v>",
/// "setEndFence <s>", numbers as QString::number gives them. setSpeed is not logged: at speed 1
/// it changes no reading's timeline.
class FakeMediaPlayer : public MediaPlayer
{
public:
    /// Without a clock the position stands still.
    explicit FakeMediaPlayer(const FakeClock* clock = nullptr) : m_clock(clock) {}

    void setFile(const QString& path) override;
    QString file() const override { return m_file; }
    void play() override;
    void pause() override;
    void stop() override;
    double position() const override;
    void setPosition(double seconds) override;
    void setVolume(int volume) override;
    bool isPlaying() const override { return m_playing; }
    void setEndFence(double seconds) override;
    void setSpeed(double speed) override;

    QString openError() const override { return m_openError; }

    /// From now on setFile(path) leaves the player silent with this error, as a missing or
    /// undecodable recording does: play() starts nothing and the position stays.
    void refuseFile(const QString& path, const QString& error) { m_refused[path] = error; }

    int volume() const { return m_volume; }
    double endFence() const { return m_endFence; }
    /// The speed of the next start.
    double speed() const { return m_nextSpeed; }

    /// Every call so far, in order.
    const QStringList& calls() const { return m_calls; }
    /// Forgets the calls so far (state is kept).
    void clearCalls() { m_calls.clear(); }

private:
    qint64 now() const { return m_clock != nullptr ? m_clock->now() : 0; }

    const FakeClock* m_clock;
    QStringList m_calls;
    QString m_file;
    QHash<QString, QString> m_refused;
    QString m_openError;
    bool m_playing = false;
    double m_position = 0; ///< while playing: the position when play or the last seek happened
    qint64 m_since = 0;    ///< fake time of that moment
    int m_volume = 100;
    double m_endFence = -1;
    double m_speed = 1.0;     ///< of the running reading
    double m_nextSpeed = 1.0; ///< from the next start or seek on
};

} // namespace kelvaro
