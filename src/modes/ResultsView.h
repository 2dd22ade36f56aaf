#pragma once

#include "content/Lesson.h"
#include "content/ResultsFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvaro {

/// The results view: the lesson page and the book page laid over it.
struct ResultsView
{
    bool visible = false;
    bool bookPage = false;         ///< "本册成绩" chosen (the book page shown)
    QStringList List1;             ///< sentences not passed, or the placeholder
    QStringList List2;             ///< sentences passed, or the placeholder
    QStringList List3;             ///< lessons completed, or the placeholder
    QStringList List4;             ///< lessons not completed, or the placeholder
    int WriteLessonCountLabel = 0; ///< M: lessons completed
    int BookLessonCountLabel = 0;  ///< N: lessons in the results file
    QString BookSummaryCaption;
    QString bookNotice; ///< why the book page lists nothing (no usable results file), or empty

    /// The share of the book completed, 0 for a book without entries.
    double bookProgress() const
    {
        return BookLessonCountLabel > 0 ? double(WriteLessonCountLabel) / BookLessonCountLabel
                                        : 0.0;
    }
};

inline const QString kNoMissingSentence = QStringLiteral("本课已听写完成");
inline const QString kNoPassedSentence = QStringLiteral("没有听写完成的句子");
inline const QString kNoCompletedLesson = QStringLiteral("没有听写完成的课程");
inline const QString kNoMissingLesson = QStringLiteral("本册已听写完成");

/// List1 and List2 from the lesson's sentences: "i." + the English display text, by Done field.
void fillLessonPage(ResultsView& view, const QStringList& records,
                    const QVector<SentenceFields>& sentences);

/// List3, List4, the counts and the summary from the entries of the results file.
void fillBookPage(ResultsView& view, const QVector<ResultsEntry>& entries);

/// The sentence a list entry names ("12.How are you?" gives 12); 0 for a placeholder or an
/// entry without a number before its first ".".
int resultsEntrySentence(const QString& entry);

} // namespace kelvaro
