#include "ModeSwitching.h"

#include "ContinuousReading.h"
#include "Dictation.h"
#include "ModeRoom.h"
#include "ModeTable.h"

namespace kelvaro {

void tabClicked(MainContext& context, Mode mode)
{
    MainState& state = context.state;
    // The room catches up before it becomes current, as it would have while hidden; then the
    // tab it leaves is told.
    context.rooms.catchUp(context, mode);
    context.rooms[state.ModeIndex].leave(context);
    state.ModeIndex = mode;
    showModePanel(context);
    focusForMode(context);
    state.CurrentReadCount = 0;
    Timers& t = context.timers;
    for (const RepeatFamily& family : kRepeatFamilies)
        (t.*(family.pauseTimer))->setEnabled(false);
    t.ReadTimer->setEnabled(false);
    context.ports.lessonPlayer.pause();
    // Nothing reads any more: the full-text buttons go back to rest.
    endContinuousReading(state);
}

void showModePanel(MainContext& context)
{
    MainState& state = context.state;
    // The word popup and hint card close.
    state.wordPopup.visible = false;
    state.cue.visible = false;
    context.state.sentence.NoneNotePictureVisible =
        state.senChineseShown() && state.sentence.SenNoteText.caption.isEmpty();
    context.rooms.catchUp(context, state.ModeIndex);
    context.rooms[state.ModeIndex].enter(context);
}

void focusForMode(MainContext& context)
{
    const FocusTarget target = modeRow(context.state.ModeIndex).focus;
    if (target != FocusTarget::None)
        context.focus = target;
}

void applyWriteMode(MainContext& context)
{
    MainState& state = context.state;
    state.TabVisible.fill(false);
    for (const ModeRow& row : kModeTable)
        state.TabVisible[row.mode] = true;
    if (state.options.writeMode == WriteMode::DictationTest) {
        if (state.ModeIndex == Mode::FreeSpelling)
            state.ModeIndex = Mode::DictationTest;
        state.TabVisible[Mode::FreeSpelling] = false;
    } else {
        if (state.ModeIndex == Mode::DictationTest)
            state.ModeIndex = Mode::FreeSpelling;
        state.TabVisible[Mode::DictationTest] = false;
    }
}

} // namespace kelvaro

namespace kelvaro {

void mouseMovedOver(MainContext& context, PointerArea area)
{
    MainState& state = context.state;
    switch (area) {
    case PointerArea::TranslationPage:
        state.treeMoves = 0;
        if (++state.translationMoves > 5)
            context.focus = FocusTarget::TranslationKeys;
        break;
    case PointerArea::FullTextPage:
        state.treeMoves = 0;
        if (++state.fullTextMoves > 5)
            context.focus = FocusTarget::FullTextKeys;
        break;
    case PointerArea::Tree:
        state.translationMoves = 0;
        state.fullTextMoves = 0;
        if (++state.treeMoves > 5)
            context.focus = FocusTarget::Tree;
        break;
    }
}

} // namespace kelvaro
