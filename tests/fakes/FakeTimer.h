#pragma once

#include "FakeClock.h"

#include "ports/Timer.h"

namespace kelvaro {

/// A timer driven by a FakeClock: while enabled it fires every interval of fake time.
class FakeTimer : public Timer
{
public:
    explicit FakeTimer(FakeClock& clock);
    ~FakeTimer() override;
    FakeTimer(const FakeTimer&) = delete;
    FakeTimer& operator=(const FakeTimer&) = delete;

    void setInterval(int milliseconds) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }
    void setHandler(std::function<void()> handler) override;

    /// How often the handler has run.
    int timesFired() const { return m_timesFired; }
    /// The fake time of the next firing (meaningful while enabled).
    qint64 dueAt() const { return m_dueAt; }

    // For FakeClock.
    quint64 sequence() const { return m_sequence; }
    void fire();

private:
    void schedule();

    FakeClock& m_clock;
    std::function<void()> m_handler;
    int m_interval = 0;
    bool m_enabled = false;
    qint64 m_dueAt = 0;
    quint64 m_sequence = 0;
    int m_timesFired = 0;
};

} // namespace kelvaro
