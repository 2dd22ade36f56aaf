#pragma once
// A private sound server for the tests that need a real sound device: PulseAudio with the
// modules given (null sinks and the like), reached only through its own socket.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <string>

namespace kelvaro {

/// The server runs from construction to destruction; ok() says whether it started.
class NullSinkServer
{
public:
    /// modules: each loaded with its arguments, e.g. "module-null-sink sink_name=lesson".
    explicit NullSinkServer(const QStringList& modules)
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
            m_why = "pulseaudio and parec are not installed";
            return;
        }
        m_socket = m_dir.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_dir.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
        m_server.setProcessEnvironment(environment);
        QStringList arguments{QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                              // It exits by itself once idle, should a test die before it.
                              QStringLiteral("--exit-idle-time=5"),
                              QStringLiteral("--use-pid-file=no"), QStringLiteral("--system=no")};
        for (const QString& module : modules)
            arguments << QStringLiteral("-L") << module;
        arguments << QStringLiteral("-L")
                  << QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") +
                         m_socket;
        m_server.start(pulseaudio, arguments);
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000 && m_server.state() != QProcess::NotRunning &&
               !QFile::exists(m_socket))
            QThread::msleep(20);
        if (!QFile::exists(m_socket))
            m_why =
                "the sound server did not start: " + m_server.readAllStandardError().toStdString();
    }
    ~NullSinkServer()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    bool ok() const { return m_why.empty(); }
    const std::string& why() const { return m_why; }
    QString address() const { return QStringLiteral("unix:") + m_socket; }

private:
    QTemporaryDir m_dir;
    QString m_socket;
    QProcess m_server;
    std::string m_why;
};

} // namespace kelvaro
