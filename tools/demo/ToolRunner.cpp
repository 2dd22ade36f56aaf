#include "ToolRunner.h"

#include <QMutex>
#include <QProcess>
#include <QStandardPaths>

#include <atomic>
#include <thread>
#include <vector>

namespace kelvaro {

namespace {

QString commandLine(const ToolJob& job)
{
    return (QStringList{job.program} + job.arguments).join(QLatin1Char(' '));
}

// Runs one job; returns an empty string on success, else what went wrong.
QString runOne(ToolJob& job)
{
    QProcess process;
    process.setProgram(job.program);
    process.setArguments(job.arguments);
    process.start();
    if (!process.waitForStarted(-1))
        return QStringLiteral("cannot start %1: %2").arg(job.program, process.errorString());
    if (job.feedInput && !job.feedInput(process)) {
        process.kill();
        process.waitForFinished(-1);
        return QStringLiteral("%1 stopped reading its input").arg(commandLine(job));
    }
    process.closeWriteChannel();
    process.waitForFinished(-1);
    job.output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QStringLiteral("%1 failed (exit code %2): %3")
            .arg(commandLine(job))
            .arg(process.exitCode())
            .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    }
    return {};
}

} // namespace

Status requireTools(const QStringList& programs)
{
    QStringList missing;
    for (const QString& program : programs) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    }
    if (missing.isEmpty())
        return Status::success();
    return Status::failure(
        QStringLiteral("kelvaro-demo needs %1 on the PATH (scripts/setup.sh installs it)")
            .arg(missing.join(QStringLiteral(", "))));
}

Status runToolJobs(QVector<ToolJob>& jobs, int parallel)
{
    std::atomic<qsizetype> next = 0;
    std::atomic<bool> failed = false;
    QMutex mutex;
    QString firstError;
    auto work = [&]() {
        for (;;) {
            const qsizetype i = next++;
            if (i >= jobs.size() || failed)
                return;
            const QString error = runOne(jobs[i]);
            if (!error.isEmpty()) {
                QMutexLocker lock(&mutex);
                if (!failed.exchange(true))
                    firstError = error;
            }
        }
    };
    std::vector<std::thread> workers;
    for (int w = 0; w < std::max(1, parallel); ++w)
        workers.emplace_back(work);
    for (std::thread& worker : workers)
        worker.join();
    return failed ? Status::failure(firstError) : Status::success();
}

} // namespace kelvaro
