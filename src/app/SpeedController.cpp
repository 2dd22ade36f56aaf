#include "SpeedController.h"

#include "content/ReadingSpeed.h"

#include <QFile>

namespace kelvaro {

void applyReadingSpeed(MainContext& context, double speed)
{
    context.state.readingSpeed = normalisedSpeed(speed);
    context.ports.lessonPlayer.setSpeed(context.state.readingSpeed);
}

void restoreReadingSpeed(MainContext& context)
{
    applyReadingSpeed(context, loadReadingSpeed(context.state.folder.readingSpeed()));
}

Status keepReadingSpeed(const MainContext& context)
{
    const QString path = context.state.folder.readingSpeed();
    if (context.state.readingSpeed == 1.0 && !QFile::exists(path))
        return Status::success();
    return saveReadingSpeed(path, context.state.readingSpeed);
}

SpeedController::SpeedController(MainContext& context, QObject* parent)
    : QObject(parent), m_context(context)
{
}

void SpeedController::slower()
{
    choose(steppedSpeed(m_context.state.readingSpeed, -1));
}

void SpeedController::faster()
{
    choose(steppedSpeed(m_context.state.readingSpeed, 1));
}

void SpeedController::toggleSlow()
{
    choose(slowSpeedToggled(m_context.state.readingSpeed));
}

void SpeedController::choose(double speed)
{
    applyReadingSpeed(m_context, speed);
    emit changed();
}

} // namespace kelvaro
