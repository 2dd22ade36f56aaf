#pragma once

#include <functional>

namespace kelvaro {

/// Work that must not hold up the window (analysing a recording): the job runs on another
/// thread and returns what is to be done with its result, which then runs on the window's
/// thread. The job touches no window state; the continuation may.
class BackgroundWork
{
public:
    using Continuation = std::function<void()>;
    using Job = std::function<Continuation()>;

    virtual ~BackgroundWork() = default;
    /// Starts job; its continuation (when not empty) runs later on the window's thread.
    virtual void run(Job job) = 0;
};

} // namespace kelvaro
