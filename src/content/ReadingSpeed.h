#pragma once

#include "Result.h"

#include <QString>

namespace kelvaro {

// The speed of the lesson's readings (1 = as recorded), chosen by the learner and kept in a
// file of its own beside the settings file.
inline constexpr double kSlowestSpeed = 0.5;
inline constexpr double kFastestSpeed = 1.5;
inline constexpr double kSlowSpeed = 0.75; ///< one click away, whatever the speed

/// speed as one of the speeds offered: a finite number within the range, to the hundredth;
/// anything else is 1.
double normalisedSpeed(double speed);

/// steps tenths faster (negative: slower) from speed, on the grid of tenths (0.75 goes to 0.8
/// or 0.7), kept within the range.
double steppedSpeed(double speed, int steps);

/// The slow speed, or back to 1 when it is the slow speed already.
double slowSpeedToggled(double speed);

/// "1.0×", "0.7×", "0.75×".
QString speedCaption(double speed);

/// The speed kept in path; 1 when the file is missing or holds no speed.
double loadReadingSpeed(const QString& path);

/// Keeps speed in path. The error names the file.
Status saveReadingSpeed(const QString& path, double speed);

} // namespace kelvaro
