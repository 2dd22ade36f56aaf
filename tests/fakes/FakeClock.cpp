#include "FakeClock.h"

#include "FakeTimer.h"

namespace kelvaro {

void FakeClock::attach(FakeTimer* timer)
{
    m_timers.append(timer);
}

void FakeClock::detach(FakeTimer* timer)
{
    m_timers.removeAll(timer);
}

FakeTimer* FakeClock::nextDue(qint64 until) const
{
    FakeTimer* next = nullptr;
    for (FakeTimer* timer : m_timers) {
        if (!timer->isEnabled() || timer->dueAt() > until)
            continue;
        if (next == nullptr || timer->dueAt() < next->dueAt() ||
            (timer->dueAt() == next->dueAt() && timer->sequence() < next->sequence()))
            next = timer;
    }
    return next;
}

void FakeClock::advance(qint64 milliseconds)
{
    // A handler that advances the clock itself would reorder time: a test bug.
    Q_ASSERT(!m_advancing);
    const qint64 target = m_now + qMax<qint64>(0, milliseconds);
    m_advancing = true;
    while (FakeTimer* timer = nextDue(target)) {
        m_now = timer->dueAt();
        timer->fire();
    }
    m_now = target;
    m_advancing = false;
}

} // namespace kelvaro
