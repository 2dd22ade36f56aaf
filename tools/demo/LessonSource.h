#pragma once

#include "SentenceMarkup.h"
#include "WordList.h"
#include "content/Result.h"

#include <QString>
#include <QVector>

namespace kelvaro {

/// One sentence of an authored lesson, cut into segments.
struct SourceSentence
{
    QVector<SentenceSegment> segments;
    QString chinese;
    QString note;
    int line = 0; ///< the line of its "en:" in the source
};

/// One authored lesson.
struct SourceLesson
{
    int number = 0;
    QString title;
    QString fileName;
    QVector<SourceSentence> sentences;
};

/// Parses a lesson source: "title:" once, then per sentence "en:", "zh:" and an optional
/// "note:", each on one line; blank lines and lines starting with "#" are ignored. Every
/// fault is reported as "file:line: what".
Result<SourceLesson> parseLessonSource(const QString& text, const QString& fileName,
                                       const WordList& words);

/// Where a Chinese or note text breaks the lesson file: a record or field separator,
/// the key-word mark (counted wherever it stands) or a character code page 936 lacks.
/// Empty when the text is fine.
QString lessonFieldFault(const QString& text);

} // namespace kelvaro
