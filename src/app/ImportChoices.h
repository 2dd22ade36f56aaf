#pragma once

#include "ports/ImportDialog.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace kelvaro {

/// Whether a file of that path exists; the real check or a test's table.
using FileCheck = std::function<bool(const QString& path)>;

/// The suffixes of recordings the import takes: mp3 wav flac ogg opus m4a aac mp4 mkv webm.
const QStringList& recordingSuffixes();
/// The suffixes of transcripts, in the order they are looked for beside a recording.
const QStringList& transcriptSuffixes();

/// Whether path ends with a recording suffix, in any letter case.
bool isRecordingFile(const QString& path);
/// Whether path ends with a transcript suffix, in any letter case.
bool isTranscriptFile(const QString& path);

/// The transcript beside recording: its folder and stem with .lrc, .srt, .vtt or .txt (also in
/// capitals), the first that exists; empty for none.
QString transcriptBeside(const QString& recording, const FileCheck& exists);

/// Whether transcript has no times of its own (plain text), so the times must come from
/// aligning it with the recording.
bool alignmentImplied(const QString& transcript);

/// The lesson name a recording suggests: its file name without the suffix.
QString lessonNameFor(const QString& recording);

/// The dialog's entries for files given together (dropped on the window): the first recording,
/// the first transcript among them or else the one beside the recording, the recording's name,
/// book.
ImportForm formForFiles(const QStringList& files, const QString& book, const FileCheck& exists);

/// form with align checked and locked exactly when its transcript implies aligning; the
/// learner's own choice stays when it does not.
ImportForm withAlignmentRule(ImportForm form);

} // namespace kelvaro
