#pragma once

#include "FakeTimer.h"

#include <memory>
#include <vector>

namespace kelvaro {

/// Makes FakeTimers on one FakeClock and owns them.
class FakeTimerFactory : public TimerFactory
{
public:
    explicit FakeTimerFactory(FakeClock& clock) : m_clock(clock) {}

    Timer* createTimer() override;

    /// The timers made so far, in order.
    const std::vector<std::unique_ptr<FakeTimer>>& timers() const { return m_timers; }
    /// The fake behind a timer of this factory.
    static FakeTimer& fake(Timer* timer) { return *static_cast<FakeTimer*>(timer); }

private:
    FakeClock& m_clock;
    std::vector<std::unique_ptr<FakeTimer>> m_timers;
};

} // namespace kelvaro
