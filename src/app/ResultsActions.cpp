#include "ResultsActions.h"

#include "DictationScoring.h"
#include "LessonCompletion.h"
#include "LessonOpening.h"
#include "ModeSwitching.h"
#include "RepeatScheduler.h"
#include "SentenceDisplay.h"
#include "WordTools.h"

#include "content/LessonEdits.h"
#include "content/ResultsFile.h"
#include "content/TextFile.h"

namespace kelvaro {

namespace {

void focusWordBoxIfShown(MainContext& context)
{
    const MainState& state = context.state;
    if (state.ModeIndex == Mode::DictationTest && state.dictation.WriteWordTextVisible)
        context.focus = FocusTarget::WriteWordText;
}

QStringList clearedRecords(const QStringList& records)
{
    QStringList cleared;
    cleared.reserve(records.size());
    for (const QString& record : records)
        cleared.append(clearDoneField(record));
    return cleared;
}

// The lesson files of the book: what the walk left alone and why.
struct BookClearing
{
    QStringList unreadable; ///< could not be read or parsed: left byte for byte
    QStringList unwritten;  ///< the write failed: the file keeps its passes
};

void clearLessonFile(const QString& path, BookClearing& clearing, UnwrittenChanges& unwritten)
{
    // A kept text is the lesson as the learner left it: it is what gets cleared and written.
    const std::optional<QString> kept = unwritten.text(path);
    const auto text = kept ? Result<QString>(*kept) : readTextFile(path);
    const auto lesson =
        text ? parseLesson(text.value(), path) : Result<Lesson>(Error{text.error()});
    if (!lesson) {
        clearing.unreadable.append(path);
        return;
    }
    const QStringList cleared = clearedRecords(lesson->records);
    if (cleared == lesson->records)
        return; // nothing passed: the file is not touched
    const QString clearedText = buildLessonText(cleared);
    if (writeTextFile(path, clearedText)) {
        unwritten.written(path);
    } else {
        clearing.unwritten.append(path);
        if (kept)
            unwritten.keep(path, clearedText, LessonChange::ClearedResults);
    }
}

QString bookClearingMessage(const BookClearing& clearing)
{
    QString message = QStringLiteral("本册成绩没有全部清除。");
    if (!clearing.unreadable.isEmpty())
        message += QStringLiteral("\n\n以下文件无法读取或格式有误，没有改动：\n") +
                   clearing.unreadable.join(QLatin1Char('\n'));
    if (!clearing.unwritten.isEmpty())
        message +=
            QStringLiteral("\n\n以下文件保存失败：\n") + clearing.unwritten.join(QLatin1Char('\n'));
    return message;
}

} // namespace

void showResultsPage(MainContext& context, bool bookPage)
{
    context.state.results.bookPage = bookPage;
}

void closeResults(MainContext& context)
{
    context.state.results.visible = false;
    focusWordBoxIfShown(context);
}

void resultsSentenceClicked(MainContext& context, const QString& entry)
{
    MainState& state = context.state;
    const int sentence = resultsEntrySentence(entry);
    if (sentence < 1 || sentence > state.SentenceCount)
        return;
    // A pause still counting belongs to the sentence being left.
    cancelPendingPause(context);
    state.CurrentSentence = sentence;
    showSentence(context); // also sets the back and next buttons for the sentence
    playSentenceForMode(context);
    showModePanel(context); // the dictation test starts the sentence afresh
    state.progressCaption =
        QStringLiteral("%1 / %2").arg(state.DictatedCount).arg(state.SentenceCount);
    state.results.visible = false;
    focusWordBoxIfShown(context);
}

void clearLessonResults(MainContext& context)
{
    MainState& state = context.state;
    if (!state.lessonOpen)
        return;
    replaceRecords(state.lesson, clearedRecords(state.lesson.records));
    saveLessonText(
        context,
        LessonChange::ClearedResults); // a failed write is reported; the cleared records stay

    const QString path = state.folder.results(state.BookName);
    if (fileExists(path)) {
        // Read afresh: the file is never written from a stale or failed read.
        if (const auto text = readTextFile(path))
            writeResultsText(context, text.value(),
                             clearLessonResult(text.value(), state.LessonTitle));
    }
    showResults(context);

    recountDictated(state);
    state.SentenceDone = false;
    state.dictation.WriteDoneCueVisible = false;
    state.results.visible = false;
    focusWordBoxIfShown(context);
}

void clearBookResults(MainContext& context)
{
    MainState& state = context.state;
    if (!state.lessonOpen)
        return;
    clearLessonResults(context);

    applyBuiltInBookRule(state);
    BookClearing clearing;
    // Numbered from 1 up to the first gap; a missing first lesson does not stop the walk.
    for (int n = 1;; ++n) {
        const QString path = state.folder.lessonFile(state.BookName, n);
        if (fileExists(path) || context.unwritten.text(path))
            clearLessonFile(path, clearing, context.unwritten);
        if (!fileExists(state.folder.lessonFile(state.BookName, n + 1)))
            break;
    }

    const QString resultsPath = state.folder.results(state.BookName);
    if (fileExists(resultsPath)) {
        const auto text = readTextFile(resultsPath);
        if (!text)
            clearing.unreadable.append(resultsPath);
        else if (!writeResultsText(context, text.value(), clearAllResults(text.value()), false))
            clearing.unwritten.append(resultsPath);
    }

    context.notifyChanged(); // the view is closed behind the message
    if (clearing.unreadable.isEmpty() && clearing.unwritten.isEmpty())
        context.ports.dialogs.information(QStringLiteral("提示"),
                                          QStringLiteral("本册成绩清除完毕"));
    else
        context.ports.dialogs.warning(QStringLiteral("提示"), bookClearingMessage(clearing));
    focusWordBoxIfShown(context);
}

namespace {

// A learner's progress goes in one click: Enter or Space on the question must keep it.
bool learnerConfirms(MainContext& context, const QString& text)
{
    return context.state.lessonOpen &&
           context.ports.dialogs.question(QStringLiteral("提示"), text, Dialogs::Answer::No);
}

} // namespace

void confirmAndClearLessonResults(MainContext& context)
{
    if (learnerConfirms(context,
                        QStringLiteral("确定要清除本课的全部听写成绩吗？\n清除后无法恢复。")))
        clearLessonResults(context);
}

void confirmAndClearBookResults(MainContext& context)
{
    if (learnerConfirms(
            context, QStringLiteral("确定要清除本册所有课文的全部听写成绩吗？\n清除后无法恢复。")))
        clearBookResults(context);
}

} // namespace kelvaro
