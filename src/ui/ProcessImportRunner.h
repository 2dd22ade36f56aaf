#pragma once

#include "ports/ImportRunner.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QProcess;

namespace kelvaro {

/// Runs "kelvaro-tool import --progress" as a child process: its "progress N" lines become
/// progress, its exit code and output the outcome.
class ProcessImportRunner : public QObject, public ImportRunner
{
    Q_OBJECT
public:
    /// tool: the kelvaro-tool executable (beside the player's).
    explicit ProcessImportRunner(QString tool, QObject* parent = nullptr);
    ~ProcessImportRunner() override;

    void start(const ImportJob& job, Progress progress, Finished finished) override;
    void cancel() override;
    bool running() const override { return m_process != nullptr; }

    /// The arguments of the tool for job.
    static QStringList arguments(const ImportJob& job);

private:
    void readErrors();
    void processEnded(int exitCode, bool crashed);
    void startFailed();
    void end(const ImportOutcome& outcome);

    QString m_tool;
    QProcess* m_process = nullptr;
    QByteArray m_errors;    ///< standard error not yet cut into lines
    QStringList m_messages; ///< its lines other than progress
    Progress m_progress;
    Finished m_finished;
};

} // namespace kelvaro
