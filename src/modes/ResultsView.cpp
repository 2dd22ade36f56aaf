#include "ResultsView.h"

#include "content/Lesson.h"

namespace kelvaro {

void fillLessonPage(ResultsView& view, const QStringList& records,
                    const QVector<SentenceFields>& sentences)
{
    view.List1.clear();
    view.List2.clear();
    for (qsizetype i = 0; i < sentences.size(); ++i) {
        const SentenceFields& sentence = sentences[i];
        // Any Done value other than empty or "1" belongs to neither list.
        if (!sentence.doneText.isEmpty() && !sentence.done)
            continue;
        const QString entry =
            QString::number(i + 1) + QLatin1Char('.') + englishDisplayText(records[i]);
        (sentence.done ? view.List2 : view.List1).append(entry);
    }
    if (view.List1.isEmpty())
        view.List1.append(kNoMissingSentence);
    if (view.List2.isEmpty())
        view.List2.append(kNoPassedSentence);
}

void fillBookPage(ResultsView& view, const QVector<ResultsEntry>& entries)
{
    view.List3.clear();
    view.List4.clear();
    int lessons = 0;
    for (const ResultsEntry& entry : entries) {
        if (!entry.counted())
            continue;
        (entry.completed() ? view.List3 : view.List4).append(entry.title);
        ++lessons;
    }
    view.BookLessonCountLabel = lessons;
    view.WriteLessonCountLabel = int(view.List3.size());
    view.BookSummaryCaption = QStringLiteral("本册共有%1课，已听写完成%2课")
                                  .arg(view.BookLessonCountLabel)
                                  .arg(view.WriteLessonCountLabel);
    if (view.List3.isEmpty())
        view.List3.append(kNoCompletedLesson);
    if (view.List4.isEmpty())
        view.List4.append(kNoMissingLesson);
}

int resultsEntrySentence(const QString& entry)
{
    if (entry == kNoMissingSentence || entry == kNoPassedSentence)
        return 0;
    const qsizetype dot = entry.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return 0;
    bool ok = false;
    const int sentence = entry.left(dot).toInt(&ok);
    return ok ? sentence : 0;
}

} // namespace kelvaro
