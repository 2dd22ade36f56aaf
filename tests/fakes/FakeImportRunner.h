#pragma once

#include "ports/ImportRunner.h"

#include <QVector>

namespace kelvaro {

/// Records the jobs started; the test reports their progress and end.
class FakeImportRunner : public ImportRunner
{
public:
    void start(const ImportJob& job, Progress progress, Finished finished) override
    {
        m_jobs.append(job);
        m_progress = std::move(progress);
        m_finished = std::move(finished);
        m_running = true;
    }
    void cancel() override
    {
        m_running = false;
        ++m_cancels;
    }
    bool running() const override { return m_running; }

    /// The job under way reports percent.
    void report(int percent)
    {
        if (m_running)
            m_progress(percent);
    }
    /// The job under way ends with outcome.
    void finish(const ImportOutcome& outcome)
    {
        if (!m_running)
            return;
        m_running = false;
        m_finished(outcome);
    }

    const QVector<ImportJob>& jobs() const { return m_jobs; }
    int cancels() const { return m_cancels; }

private:
    QVector<ImportJob> m_jobs;
    Progress m_progress;
    Finished m_finished;
    bool m_running = false;
    int m_cancels = 0;
};

} // namespace kelvaro
