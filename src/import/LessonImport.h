#pragma once

#include "LessonBuilder.h"
#include "RecordingScan.h"

#include "content/Result.h"

#include <QList>
#include <QString>

namespace kelvaro {

/// What the learner asked to import.
struct ImportRequest
{
    QString folder;         ///< the program folder
    QString book;           ///< an own book, new or existing
    QString name;           ///< the lesson's name; empty for the audio file's stem
    QString audioPath;      ///< an mp3, or any audio or video FFmpeg reads
    QString transcriptPath; ///< LRC, SubRip, WebVTT, or plain text (always aligned)
    bool align = false;     ///< also align a timed transcript, searching near its own times
    ImportProgress progress;
};

/// The lesson an import added.
struct ImportedLesson
{
    QString book;
    int number = 0;
    QString name;
    QString recording; ///< the stored mp3
    QList<ImportedSentence> sentences;
};

/// Makes the lesson of a recording and its transcript and adds it as the next lesson of an own
/// book; a plain text (or, with align, a timed one) is aligned with the recording first. Nothing
/// is written before the whole lesson is ready; a refusal (a Chinese message naming the file)
/// leaves the folder as it was.
Result<ImportedLesson> importLesson(const ImportRequest& request);

} // namespace kelvaro
