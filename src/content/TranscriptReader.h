#pragma once

#include "Result.h"
#include "Transcript.h"

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// The form of a transcript: by the extension of fileName (.lrc, .srt, .vtt), else by its
/// text: a "WEBVTT" header, SubRip cue times ("-->"), "[mm:ss" stamps, or plain text.
/// A .txt file is looked at too, as learners often save subtitles under that name.
TranscriptKind transcriptKind(const QString& text, const QString& fileName);

/// Reads a transcript's bytes (see decodeTranscript) into timed sentences; a transcript that
/// cannot be used is refused with a Chinese message that names fileName.
Result<Transcript> readTranscript(const QByteArray& bytes, const QString& fileName);

/// Reads the transcript file at path as readTranscript reads its bytes.
Result<Transcript> readTranscriptFile(const QString& path);

} // namespace kelvaro
