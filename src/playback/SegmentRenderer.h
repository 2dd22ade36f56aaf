#pragma once

#include "PcmSound.h"

#include "content/Result.h"

#include <QString>

namespace kelvaro {

/// Exactly the samples the lesson player emits when it reads the stretch start..end
/// (seconds) of the recording at path at speed: the same decode, seek, fence and time-stretch,
/// without the lead-in silence. The error names the file. sourceFrames, when given, gets the
/// recording's frames the stretch was made from (at speed 1, the result itself).
Result<PcmSound> renderSegment(const QString& path, double start, double end, double speed = 1.0,
                               std::vector<qint16>* sourceFrames = nullptr);

} // namespace kelvaro
