#include "SystemWallClock.h"

#include <QDateTime>

namespace kelvaro {

SystemWallClock::SystemWallClock()
{
    const QDate today = QDate::fromString(qEnvironmentVariable("KELVARO_TODAY"), Qt::ISODate);
    if (today.isValid())
        m_offset = qint64(QDate::currentDate().daysTo(today)) * 24 * 3600 * 1000;
}

qint64 SystemWallClock::now() const
{
    return QDateTime::currentMSecsSinceEpoch() + m_offset;
}

} // namespace kelvaro
