#pragma once

#include <QObject>

class QSocketNotifier;

namespace kelvaro {

/// Turns the signals a desktop session sends at logout (SIGTERM, SIGINT, SIGHUP) into an
/// orderly close of the window, so the settings are written as on any other close.
class SignalCloser : public QObject
{
    Q_OBJECT
public:
    explicit SignalCloser(QObject* parent = nullptr);

signals:
    void closeRequested();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kelvaro
