#include "QtTimer.h"

namespace kelvaro {

QtTimer::QtTimer()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_handler)
            m_handler();
    });
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

Timer* QtTimerFactory::createTimer()
{
    m_timers.push_back(std::make_unique<QtTimer>());
    return m_timers.back().get();
}

} // namespace kelvaro
