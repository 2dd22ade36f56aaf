#pragma once

#include "Result.h"
#include "Transcript.h"

#include <QString>

namespace kelvaro {

/// Reads lyrics-style "[mm:ss.xx]" text (decoded, "\n" line ends) into cues sorted by time;
/// a cue ends where the next stamp begins. Refuses text without a stamp or without English,
/// naming fileName.
Result<Transcript> readLrc(const QString& text, const QString& fileName);

} // namespace kelvaro
