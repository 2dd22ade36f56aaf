#include "SentenceDisplay.h"

#include "modes/FullTextPage.h"
#include "modes/SentenceBrowse.h"
#include "modes/TranslationPage.h"
#include "modes/WordCueHints.h"

#include "ModeTable.h"
#include "RepeatScheduler.h"
#include "VoiceComparing.h"

namespace kelvaro {

void showSentence(MainContext& context)
{
    MainState& state = context.state;
    if (state.CurrentSentence < 1 || state.CurrentSentence > state.SentenceCount)
        state.CurrentSentence = 1;
    markTranslationSentence(state);
    if (state.SentenceCount > 0) {
        const SentenceFields& fields = state.fields(state.CurrentSentence);
        state.SentenceStart = fields.start;
        state.SentenceEnd = fields.end;
        state.SentenceNote = fields.note;
        state.SentenceDone = fields.done;
    } else {
        state.SentenceStart = 0;
        state.SentenceEnd = 0;
        state.SentenceNote.clear();
        state.SentenceDone = false;
    }
    // A reading already under way stops at the end of the sentence now shown.
    context.ports.lessonPlayer.setEndFence(state.SentenceEnd);
    buildSentenceWords(state, context.ports.measurer);
    state.CurrentReadCount = 0;
    // The hint card belongs to the sentence that was shown.
    clearWordCue(state);
    state.StartSentence = state.CurrentSentence;
    fillSentenceTexts(state, context.ports.measurer);
    underlineCurrentSentence(state);
    state.wordPopup.visible = false;
    if (state.ModeIndex != Mode::Translation)
        centreTranslationView(state);
    if (state.ModeIndex != Mode::FullText)
        centreFullTextView(state);
    updateNavigationGroups(state);
    // Last, the tab shown follows the sentence (the others catch up when entered): a dictation
    // sentence without words may be scored and move on at once.
    context.rooms.sentenceShown(context, state.ModeIndex);
}

void playSentence(MainContext& context)
{
    playSentenceFrom(context, context.state.SentenceStart);
}

void playSentenceFrom(MainContext& context, double seconds)
{
    // Every reading starts a sequence of its own: a pause still counting from an earlier one
    // (a tree click, a cell, a speaker, "朗读" or F7 during the pause) must not start this
    // sentence again mid-reading. A pause timer's own repeat has already stopped its timer.
    cancelPendingPause(context);
    // A recording that cannot be played is never waited for: nothing reads, nothing counts.
    if (!context.state.recordingProblem.isEmpty())
        return;
    // The end fence was set when the sentence was shown.
    MediaPlayer& player = context.ports.lessonPlayer;
    player.setPosition(seconds);
    player.play();
    context.timers.ReadTimer->setEnabled(true);
    // A reading started by hand ends the hold of continuous reading ("继续朗读").
    context.state.fullText.readingHold = ReadingHold::None;
    // Read-after: the cursor follows the reading over its picture.
    followVoiceCursors(context);
}

void pausePlayers(MainContext& context)
{
    context.ports.lessonPlayer.pause();
    context.timers.ReadTimer->setEnabled(false);
}

void playSentenceForMode(MainContext& context)
{
    MainState& state = context.state;
    state.CurrentReadCount = 0;
    if (state.SentenceCount == 0)
        return;
    const ModeRow& row = modeRow(state.ModeIndex);
    const bool plays =
        row.repeat ? (state.options.*(row.repeat->option)).count > 0 : row.readsWithoutCount;
    if (plays)
        playSentence(context);
}

bool goToSentence(MainContext& context, int s, bool play)
{
    if (s < 1 || s > context.state.SentenceCount)
        return false;
    context.state.CurrentSentence = s;
    showSentence(context);
    if (play)
        playSentence(context);
    return true;
}

void firstSentence(MainContext& context)
{
    // A pause still counting belongs to the sentence being left.
    cancelPendingPause(context);
    context.state.CurrentSentence = 1;
    showSentence(context);
    playSentenceForMode(context);
}

void previousSentence(MainContext& context)
{
    // A pause still counting belongs to the sentence being left.
    cancelPendingPause(context);
    MainState& state = context.state;
    state.CurrentSentence = qMax(1, state.CurrentSentence - 1);
    showSentence(context);
    playSentenceForMode(context);
}

void nextSentence(MainContext& context)
{
    // A pause still counting belongs to the sentence being left.
    cancelPendingPause(context);
    MainState& state = context.state;
    state.CurrentSentence = qMax(1, qMin(state.SentenceCount, state.CurrentSentence + 1));
    showSentence(context);
    playSentenceForMode(context);
}

bool offeredFirstSentence(MainContext& context)
{
    if (context.state.SentenceCount == 0)
        return false;
    firstSentence(context);
    return true;
}

bool offeredPreviousSentence(MainContext& context)
{
    if (!context.state.backGroupEnabled)
        return false;
    previousSentence(context);
    return true;
}

bool offeredNextSentence(MainContext& context)
{
    if (!context.state.nextGroupEnabled)
        return false;
    nextSentence(context);
    return true;
}

void readAloud(MainContext& context)
{
    context.state.CurrentReadCount = 0;
    if (context.state.SentenceCount > 0)
        playSentence(context);
}

void toggleSentenceChinese(MainContext& context)
{
    MainState& state = context.state;
    const bool show = !state.senChineseShown();
    state.options.senChineseCheck = show;
    state.sentence.SenChineseLabel.visible = show;
    state.sentence.SenNoteText.visible = show;
    // The placeholder never covers a note that exists.
    state.sentence.NoneNotePictureVisible = show && state.sentence.SenNoteText.caption.isEmpty();
}

} // namespace kelvaro
