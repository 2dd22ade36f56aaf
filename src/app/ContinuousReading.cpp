#include "ContinuousReading.h"

#include "SentenceDisplay.h"
#include "WordTools.h"

#include "modes/FullTextPage.h"

namespace kelvaro {

namespace {

// Both pages back to their tops, as at the start and the stop of a reading.
void scrollPagesToTop(MainState& state)
{
    scrollToTop(state.fullText.scroll);
    scrollToTop(state.translation.scroll);
}

void stopReading(MainContext& context)
{
    MainState& state = context.state;
    endContinuousReading(state);
    // Nothing started before the stop may go on reading or step on.
    pausePlayers(context);
    context.timers.fullTextPauseTimer->setEnabled(false);
    state.CurrentSentence = 1;
    showSentence(context);
    for (int s = 1; s < state.translation.SenLine.size(); ++s)
        state.translation.SenLine[s].visible = false;
    scrollPagesToTop(state);
}

void startReading(MainContext& context)
{
    MainState& state = context.state;
    if (state.SentenceCount == 0 || !state.recordingProblem.isEmpty())
        return; // nothing to read: the buttons stay at rest
    FullTextView& view = state.fullText;
    view.readingRuns = true;
    view.readingHold = ReadingHold::None;
    context.timers.fullTextPauseTimer->setEnabled(false);
    state.CurrentSentence = 1;
    showSentence(context);
    // The first sentence is read even with the count 0.
    if (state.SentenceCount > 0)
        playSentence(context);
    scrollPagesToTop(state);
}

void resumeReading(MainContext& context)
{
    MainState& state = context.state;
    FullTextView& view = state.fullText;
    const ReadingHold hold = view.readingHold;
    view.readingHold = ReadingHold::None;
    if (hold == ReadingHold::Pause) {
        context.timers.fullTextPauseTimer->setEnabled(true);
    } else if (view.heldSentence == state.CurrentSentence) {
        // The players go on from the paused position, still fenced at the sentence's end.
        context.ports.lessonPlayer.play();
        context.timers.ReadTimer->setEnabled(true);
    } else {
        // Another sentence was shown meanwhile: its reading starts from its beginning.
        state.CurrentReadCount = 0;
        playSentence(context);
    }
}

} // namespace

QString allReadCaption(const MainState& state)
{
    return state.fullText.readingRuns ? QStringLiteral("停止朗读") : QStringLiteral("全文朗读");
}

QString pauseReadCaption(const MainState& state)
{
    return state.fullText.readingHold != ReadingHold::None ? QStringLiteral("继续朗读")
                                                           : QStringLiteral("暂停朗读");
}

void allReadClicked(MainContext& context)
{
    if (context.state.fullText.readingRuns)
        stopReading(context);
    else
        startReading(context);
    context.focus = FocusTarget::FullTextKeys;
}

void holdContinuousReading(MainContext& context)
{
    MainState& state = context.state;
    FullTextView& view = state.fullText;
    if (!view.readingRuns || view.readingHold != ReadingHold::None)
        return;
    Timer* pause = context.timers.fullTextPauseTimer;
    if (pause->isEnabled()) {
        pause->setEnabled(false);
        view.readingHold = ReadingHold::Pause;
    } else {
        view.readingHold = ReadingHold::Reading;
    }
    view.heldSentence = state.CurrentSentence;
    pausePlayers(context);
}

void pauseReadClicked(MainContext& context)
{
    const FullTextView& view = context.state.fullText;
    if (view.readingRuns) {
        if (view.readingHold == ReadingHold::None)
            holdContinuousReading(context);
        else
            resumeReading(context);
    }
    context.focus = FocusTarget::FullTextKeys;
}

void endContinuousReading(MainState& state)
{
    state.fullText.readingRuns = false;
    state.fullText.readingHold = ReadingHold::None;
}

void continuousReadingStep(MainContext& context)
{
    MainState& state = context.state;
    FullTextView& view = state.fullText;
    const double count = state.options.all.count;
    if (view.readingRuns && count > 0 && state.CurrentReadCount >= count &&
        state.CurrentSentence < state.SentenceCount) {
        ++state.CurrentSentence;
        showSentence(context);
        playSentence(context);
        state.wordPopup.visible = false;
    }
    if (state.CurrentSentence == state.SentenceCount)
        endContinuousReading(state);
    // A count of 0, or one lowered below the readings done, reads nothing more: the buttons
    // must not say "停止朗读" then.
    if (view.readingRuns && !context.timers.ReadTimer->isEnabled() &&
        !context.timers.fullTextPauseTimer->isEnabled())
        endContinuousReading(state);

    const int cell = view.SentenceCellOffset;
    if (cell >= 0 && cell < view.AllWordTextLabel.size()) {
        const TwipRect& geometry = view.AllWordTextLabel[cell].geometry;
        followReading(view.scroll, geometry.top, geometry.height);
    }
}

void lookUpFullTextWord(MainContext& context, int index)
{
    fullTextWordReleased(context, index);
    if (context.state.fullText.readingRuns && !context.timers.ReadTimer->isEnabled())
        holdContinuousReading(context);
}

void readChosenSentence(MainContext& context, int s)
{
    if (s < 1 || s > context.state.SentenceCount)
        return;
    context.timers.fullTextPauseTimer->setEnabled(false);
    goToSentence(context, s, true);
}

} // namespace kelvaro
