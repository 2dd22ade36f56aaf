#include "QtBackgroundWork.h"

namespace kelvaro {

QtBackgroundWork::QtBackgroundWork(QObject* parent) : QObject(parent)
{
    // One analysis at a time is enough for the learner's pace, and it leaves the other core
    // to the audio and the window.
    m_pool.setMaxThreadCount(1);
}

QtBackgroundWork::~QtBackgroundWork()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void QtBackgroundWork::run(Job job)
{
    m_pool.start([this, job = std::move(job)] {
        Continuation next = job();
        if (!next)
            return;
        QMetaObject::invokeMethod(this, std::move(next), Qt::QueuedConnection);
    });
}

} // namespace kelvaro
