#pragma once

#include <QVector>
#include <QtGlobal>

namespace kelvaro {

class FakeTimer;

/// Fake time for the timers and players of a test: nothing moves until advance() is called.
class FakeClock
{
public:
    FakeClock() = default;
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    /// Milliseconds since the clock was made.
    qint64 now() const { return m_now; }

    /// Moves time on by milliseconds, firing every due timer in time order (timers due at the
    /// same moment in the order they were scheduled). Handlers may enable and disable timers,
    /// their own included; a timer enabled by a handler counts from the moment it fired.
    void advance(qint64 milliseconds);

    // For FakeTimer: registration and the order of timers due at the same moment.
    void attach(FakeTimer* timer);
    void detach(FakeTimer* timer);
    quint64 nextSequence() { return ++m_sequence; }

private:
    FakeTimer* nextDue(qint64 until) const;

    qint64 m_now = 0;
    quint64 m_sequence = 0;
    bool m_advancing = false;
    QVector<FakeTimer*> m_timers;
};

} // namespace kelvaro
