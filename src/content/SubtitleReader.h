#pragma once

#include "Result.h"
#include "Transcript.h"

#include <QString>

namespace kelvaro {

/// Reads SubRip or WebVTT cues (decoded text, "\n" line ends) into cues of kind Srt or Vtt:
/// markup, speaker labels and sound descriptions are stripped, an end that runs into the
/// next cue is clipped. Refuses text without cue times, times that go backwards and text
/// without English, naming fileName and the line.
Result<Transcript> readSubtitles(const QString& text, const QString& fileName, TranscriptKind kind);

} // namespace kelvaro
