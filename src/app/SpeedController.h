#pragma once

#include "MainContext.h"

#include <QObject>

namespace kelvaro {

/// state.readingSpeed becomes speed (made one of the speeds offered) and the lesson player
/// plays at it from its next reading on.
void applyReadingSpeed(MainContext& context, double speed);

/// The speed read from its file at start-up, applied.
void restoreReadingSpeed(MainContext& context);

/// Keeps the speed in its file at shut-down; a speed never changed from 1 writes no file.
/// Losing it costs only the choice of speed, so the caller may go on whatever happens.
Status keepReadingSpeed(const MainContext& context);

/// The speed control's handlers: slower, faster, and the slow speed one click away. The
/// pauses of the repeats and the counting of readings stay as they are: the player's position
/// runs over the recording's own times, only the sound lasts longer or shorter.
class SpeedController : public QObject
{
    Q_OBJECT
public:
    explicit SpeedController(MainContext& context, QObject* parent = nullptr);

public slots:
    void slower();     ///< a tenth slower
    void faster();     ///< a tenth faster
    void toggleSlow(); ///< the slow speed, or back to 1

signals:
    /// The speed changed; the control draws it again.
    void changed();

private:
    void choose(double speed);

    MainContext& m_context;
};

} // namespace kelvaro
