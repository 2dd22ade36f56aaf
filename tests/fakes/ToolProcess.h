#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace kelvaro {

/// What a run of the command-line tool printed, and how it ended.
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

/// Runs the tool with args, input on its standard input; waits up to a minute.
inline ToolRun runToolProcess(const QString& tool, const QStringList& args,
                              const QByteArray& input = {})
{
    QProcess process;
    process.start(tool, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {-1, {}, QStringLiteral("the tool did not finish")};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace kelvaro
