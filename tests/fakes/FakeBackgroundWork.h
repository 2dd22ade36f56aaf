#pragma once

#include "ports/BackgroundWork.h"

#include <deque>

namespace kelvaro {

/// Holds the jobs until the test runs them: each job and then its continuation, in the order
/// they were started, all on the test's thread.
class FakeBackgroundWork : public BackgroundWork
{
public:
    void run(Job job) override { m_jobs.push_back(std::move(job)); }

    /// Runs the jobs waiting now (not the ones their continuations start); how many ran.
    int runPending()
    {
        std::deque<Job> jobs;
        jobs.swap(m_jobs);
        for (Job& job : jobs) {
            if (Continuation next = job())
                next();
        }
        return int(jobs.size());
    }
    int pending() const { return int(m_jobs.size()); }
    /// Forgets the waiting jobs, as if the program ended before they did.
    void clear() { m_jobs.clear(); }

private:
    std::deque<Job> m_jobs;
};

} // namespace kelvaro
