#pragma once

#include "ports/Timer.h"

#include <QTimer>

#include <memory>
#include <vector>

namespace kelvaro {

/// The timer port on QTimer.
class QtTimer : public Timer
{
public:
    QtTimer();
    void setInterval(int milliseconds) override { m_timer.setInterval(milliseconds); }
    int interval() const override { return m_timer.interval(); }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_timer.isActive(); }
    void setHandler(std::function<void()> handler) override { m_handler = std::move(handler); }

private:
    QTimer m_timer;
    std::function<void()> m_handler;
};

/// Makes QtTimers and owns them.
class QtTimerFactory : public TimerFactory
{
public:
    Timer* createTimer() override;

private:
    std::vector<std::unique_ptr<QtTimer>> m_timers;
};

} // namespace kelvaro
