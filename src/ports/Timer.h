#pragma once

#include <functional>

namespace kelvaro {

/// A timer as the window's logic sees it: an interval, an enabled flag and a handler.
/// Enabling (re)starts the interval; a one-shot timer disables itself in its handler.
class Timer
{
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setHandler(std::function<void()> handler) = 0;
};

/// Makes timers; the wiring place chooses real or fake ones.
class TimerFactory
{
public:
    virtual ~TimerFactory() = default;
    virtual Timer* createTimer() = 0; ///< owned by the factory
};

} // namespace kelvaro
