#pragma once

#include "ports/BackgroundWork.h"

#include <QObject>
#include <QThreadPool>

namespace kelvaro {

/// The background-work port on a thread pool of its own: jobs run on its threads, their
/// continuations are queued onto the thread this object lives on (the window's).
/// Destroying it waits for the jobs running; continuations not yet delivered are dropped.
class QtBackgroundWork : public QObject, public BackgroundWork
{
    Q_OBJECT
public:
    explicit QtBackgroundWork(QObject* parent = nullptr);
    ~QtBackgroundWork() override;
    void run(Job job) override;

private:
    QThreadPool m_pool;
};

} // namespace kelvaro
