#include "RepeatScheduler.h"

#include "ContinuousReading.h"
#include "ModeTable.h"
#include "SentenceDisplay.h"

namespace kelvaro {

const RepeatFamily* repeatFamily(Mode mode)
{
    return modeRow(mode).repeat;
}

bool readTimerTick(MainContext& context)
{
    MainState& state = context.state;
    if (!(context.ports.lessonPlayer.position() > state.SentenceEnd))
        return false;
    pausePlayers(context);
    ++state.CurrentReadCount;
    if (const RepeatFamily* family = repeatFamily(state.ModeIndex))
        (context.timers.*(family->pauseTimer))->setEnabled(true);
    return true;
}

void pauseTimerTick(MainContext& context, const RepeatFamily& family)
{
    MainState& state = context.state;
    (context.timers.*(family.pauseTimer))->setEnabled(false);
    const double count = (state.options.*(family.option)).count;
    if (family.mode == Mode::FullText) {
        if (state.CurrentReadCount < count) {
            // Showing the sentence again resets the count; this reading continues the sequence.
            const int readings = state.CurrentReadCount;
            showSentence(context);
            state.CurrentReadCount = readings;
            playSentence(context);
        }
        continuousReadingStep(context);
        return;
    }
    if (state.CurrentReadCount < count)
        playSentence(context);
    if (family.mode == Mode::SentenceBrowse && (state.options.playMode || state.handsFree) &&
        state.CurrentReadCount == count) {
        if (state.CurrentSentence < state.SentenceCount)
            nextSentence(context);
        else
            firstSentence(context);
    }
}

void installRepeatScheduler(MainContext& context)
{
    Timers& timers = context.timers;
    timers.ReadTimer->setInterval(10);
    timers.ReadTimer->setHandler([&context] {
        // It polls every 10 ms: the window is drawn again only when a reading ends.
        if (readTimerTick(context))
            context.notifyChanged();
    });
    for (const RepeatFamily& family : kRepeatFamilies) {
        Timer* timer = timers.*(family.pauseTimer);
        timer->setInterval((context.state.options.*(family.option)).pauseMs);
        timer->setHandler([&context, &family] {
            pauseTimerTick(context, family);
            context.notifyChanged();
        });
    }
}

void setRepeatCount(MainContext& context, Mode mode, double count)
{
    if (const RepeatFamily* family = repeatFamily(mode))
        (context.state.options.*(family->option)).count = count;
}

void setRepeatPause(MainContext& context, Mode mode, int milliseconds)
{
    if (const RepeatFamily* family = repeatFamily(mode)) {
        (context.state.options.*(family->option)).pauseMs = milliseconds;
        (context.timers.*(family->pauseTimer))->setInterval(milliseconds);
    }
}

void cancelPendingPause(MainContext& context)
{
    if (const RepeatFamily* family = repeatFamily(context.state.ModeIndex))
        (context.timers.*(family->pauseTimer))->setEnabled(false);
}

} // namespace kelvaro
