#include "ProcessImportRunner.h"

#include <QProcess>

namespace kelvaro {

namespace {

// Exit codes of kelvaro-tool.
constexpr int kRefused = 1;

} // namespace

ProcessImportRunner::ProcessImportRunner(QString tool, QObject* parent)
    : QObject(parent), m_tool(std::move(tool))
{
}

ProcessImportRunner::~ProcessImportRunner()
{
    cancel();
}

QStringList ProcessImportRunner::arguments(const ImportJob& job)
{
    QStringList args = {QStringLiteral("import"),
                        QStringLiteral("--folder"),
                        job.folder,
                        QStringLiteral("--book"),
                        job.book,
                        QStringLiteral("--name"),
                        job.name,
                        QStringLiteral("--progress")};
    if (job.align)
        args << QStringLiteral("--align");
    // The file names are absolute, so none can pass for an option.
    return args << job.recording << job.transcript;
}

void ProcessImportRunner::start(const ImportJob& job, Progress progress, Finished finished)
{
    cancel();
    m_progress = std::move(progress);
    m_finished = std::move(finished);
    m_errors.clear();
    m_messages.clear();
    m_process = new QProcess(this);
    connect(m_process, &QProcess::readyReadStandardError, this, &ProcessImportRunner::readErrors);
    connect(m_process, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) {
                processEnded(exitCode, status == QProcess::CrashExit);
            });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            startFailed();
    });
    m_process->start(m_tool, arguments(job));
}

void ProcessImportRunner::cancel()
{
    if (!m_process)
        return;
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    // The tool writes the lesson only once it is whole: killed before that, it leaves nothing.
    process->kill();
    process->waitForFinished(5000);
    delete process;
}

void ProcessImportRunner::readErrors()
{
    m_errors += m_process->readAllStandardError();
    qsizetype end;
    while ((end = m_errors.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_errors.left(end)).trimmed();
        m_errors.remove(0, end + 1);
        if (line.startsWith(u"progress ")) {
            bool ok = false;
            const int percent = line.mid(9).toInt(&ok);
            if (ok && m_progress)
                m_progress(qBound(0, percent, 100));
        } else if (!line.isEmpty()) {
            m_messages << line;
        }
    }
}

void ProcessImportRunner::processEnded(int exitCode, bool crashed)
{
    readErrors();
    if (!m_errors.trimmed().isEmpty())
        m_messages << QString::fromUtf8(m_errors).trimmed();
    const QString out = QString::fromUtf8(m_process->readAllStandardOutput()).trimmed();
    ImportOutcome outcome;
    bool ok = false;
    const int lesson = out.toInt(&ok);
    if (!crashed && exitCode == 0 && ok && lesson > 0) {
        outcome.imported = true;
        outcome.lesson = lesson;
    } else if (!crashed && exitCode == kRefused && !m_messages.isEmpty()) {
        outcome.message = m_messages.join(u'\n');
    } else {
        outcome.message = QStringLiteral("导入工具 \"%1\" 意外结束（退出码 %2），课本没有改变。")
                              .arg(m_tool)
                              .arg(crashed ? -1 : exitCode);
        if (!m_messages.isEmpty())
            outcome.message += QStringLiteral("\n\n") + m_messages.join(u'\n');
    }
    end(outcome);
}

void ProcessImportRunner::startFailed()
{
    end({false, 0,
         QStringLiteral("无法启动导入工具 \"%1\"：%2").arg(m_tool, m_process->errorString())});
}

void ProcessImportRunner::end(const ImportOutcome& outcome)
{
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    process->deleteLater();
    const Finished finished = std::move(m_finished);
    if (finished)
        finished(outcome);
}

} // namespace kelvaro
