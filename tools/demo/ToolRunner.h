#pragma once

#include "content/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QProcess;

namespace kelvaro {

/// One run of an external program.
struct ToolJob
{
    ToolJob() = default;
    ToolJob(QString program, QStringList arguments, std::function<bool(QProcess&)> feedInput = {})
        : program(std::move(program)), arguments(std::move(arguments)),
          feedInput(std::move(feedInput))
    {
    }

    QString program;
    QStringList arguments;
    /// Called in the worker after start to feed standard input (closed afterwards); optional.
    std::function<bool(QProcess&)> feedInput;

    QByteArray output; ///< standard output, filled by runToolJobs
};

/// Fails naming every program of programs that is not on the PATH.
Status requireTools(const QStringList& programs);

/// Runs the jobs, at most parallel at a time; fails with the first failed job's command line,
/// exit code and error output.
Status runToolJobs(QVector<ToolJob>& jobs, int parallel);

} // namespace kelvaro
