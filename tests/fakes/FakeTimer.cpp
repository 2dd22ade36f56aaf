#include "FakeTimer.h"

namespace kelvaro {

FakeTimer::FakeTimer(FakeClock& clock) : m_clock(clock)
{
    m_clock.attach(this);
}

FakeTimer::~FakeTimer()
{
    m_clock.detach(this);
}

void FakeTimer::schedule()
{
    // An interval of 0 would fire forever at one instant; a real timer yields to the event loop.
    m_dueAt = m_clock.now() + qMax(1, m_interval);
    m_sequence = m_clock.nextSequence();
}

void FakeTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    if (m_enabled)
        schedule();
}

void FakeTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled)
        schedule();
}

void FakeTimer::setHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void FakeTimer::fire()
{
    schedule();
    ++m_timesFired;
    // A copy, so that a handler may replace itself.
    const std::function<void()> handler = m_handler;
    if (handler)
        handler();
}

} // namespace kelvaro
