#include "DictationScoring.h"

#include "Dictation.h"
#include "LessonCompletion.h"
#include "SentenceDisplay.h"
#include "WordTools.h"

#include "content/Lesson.h"
#include "content/LessonEdits.h"
#include "content/TextRules.h"
#include "modes/DictationTest.h"
#include "modes/WordCueHints.h"

namespace kelvaro {

namespace {

// The note box shows the stored note trimmed: an unchanged box keeps the note as stored, so
// passing a sentence changes nothing in the file but the Done field.
QString noteToStore(const MainState& state)
{
    const QString& box = state.sentence.SenNoteText.caption;
    return box == state.SentenceNote.trimmed() ? state.SentenceNote : box;
}

void failSentence(MainContext& context, int score, int passMark)
{
    MainState& state = context.state;
    context.notifyChanged(); // the learner sees the last word typed behind the message
    context.ports.dialogs.information(QStringLiteral("未过关"),
                                      failedSentenceMessage(score, passMark));
    resetDictationScore(state);
    hideDictationSlots(state);
    resetWordCue(state);
    state.wordPopup.visible = false;
    // A sentence scored at all has a word, so the box finds one; no second evaluation here.
    advanceToNextWord(state);
    context.timers.SetFocusTimer->setEnabled(true);
    playSentenceForMode(context);
}

} // namespace

void recountDictated(MainState& state)
{
    int count = 0;
    for (const SentenceFields& sentence : state.lesson.sentences) {
        if (sentence.done)
            ++count;
    }
    state.DictatedCount = count;
    state.lesson.dictatedCount = count;
    state.progressCaption = QStringLiteral("%1 / %2").arg(count).arg(state.SentenceCount);
}

void evaluateSentence(MainContext& context)
{
    MainState& state = context.state;
    DictationView& view = state.dictation;
    if (state.SentenceCount == 0)
        return;
    if (state.SentenceDone) {
        dictationNextSentence(context);
        return;
    }
    const int score = view.score.score;
    const int passMark = int(state.options.setFraction);
    if (context.practiceLog)
        context.practiceLog->dictationScored(state, reachesPassMark(score, passMark), score,
                                             view.score.progressive + view.score.directHints);
    if (!reachesPassMark(score, passMark)) {
        failSentence(context, score, passMark);
        return;
    }

    state.SentenceDone = true;
    view.WriteDoneCueVisible = true;
    if (const auto rewritten = rewriteRecordTail(state.record(state.CurrentSentence),
                                                 noteToStore(state), QStringLiteral("1")))
        state.setRecord(state.CurrentSentence, *rewritten);
    // A failed write has told the learner which file; the pass stays in the records and is
    // written with the next save.
    const bool saved = bool(saveLessonText(context, LessonChange::DictationPasses));
    recountDictated(state);
    context.notifyChanged(); // the sentence is drawn done behind the message

    if (state.DictatedCount != state.SentenceCount) {
        context.ports.dialogs.information(QStringLiteral("已过关"), passedSentenceMessage(score));
        // A review run goes on with its next due sentence instead of this lesson's next one.
        if (!context.nextReviewSentence || !context.nextReviewSentence())
            dictationNextSentence(context);
        resetDictationScore(state);
        return;
    }
    context.ports.dialogs.information(QStringLiteral("提示"), QStringLiteral("本课已听写完成！"));
    // The results record a completed lesson only once the lesson file holds every pass.
    if (saved)
        lessonCompleted(context);
    if (context.nextReviewSentence && context.nextReviewSentence())
        resetDictationScore(state);
}

void showScoringRules(MainContext& context)
{
    context.ports.lessonPlayer.pause();
    context.ports.dialogs.information(QStringLiteral("评分标准"), scoringRulesText());
}

} // namespace kelvaro
