#include "FakeTimerFactory.h"

namespace kelvaro {

Timer* FakeTimerFactory::createTimer()
{
    m_timers.push_back(std::make_unique<FakeTimer>(m_clock));
    return m_timers.back().get();
}

} // namespace kelvaro
