#pragma once

#include "LessonSource.h"
#include "WordList.h"
#include "content/Result.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvaro {

/// The authored sample book: its word list and its lessons 1..N, checked against each other.
struct DemoBook
{
    WordList words;
    QVector<SourceLesson> lessons;
    /// "file:line: headword" for each word-list entry that no lesson uses.
    QStringList unusedEntries;
};

/// Where the word list lives under the sources folder.
inline QString wordListFileName()
{
    return QStringLiteral("words.txt");
}

/// Reads sourcesDir/words.txt and sourcesDir/lessons/<n>-<topic>.txt; the lessons must be
/// numbered 1..N without a gap. Every fault names its file and line.
Result<DemoBook> loadDemoBook(const QString& sourcesDir);

} // namespace kelvaro
