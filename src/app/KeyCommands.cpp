#include "KeyCommands.h"

#include "Dictation.h"
#include "SentenceDisplay.h"

#include "modes/Recall.h"

namespace kelvaro {

bool keyPressed(MainContext& context, WindowKey key)
{
    MainState& state = context.state;
    const bool fillIn = state.ModeIndex == kFillInMode;
    // The dictation sub-modes' own keys.
    if (dictationWindowKey(context, key))
        return true;
    switch (key) {
    case WindowKey::Ctrl:
        state.CtrlHeld = true;
        return true;
    case WindowKey::PageUp:
        if (fillIn || !state.backGroupEnabled)
            return false;
        previousSentence(context);
        return true;
    case WindowKey::PageDown:
        if (fillIn || !state.nextGroupEnabled)
            return false;
        nextSentence(context);
        return true;
    case WindowKey::Home:
        if (fillIn || state.SentenceCount == 0)
            return false;
        firstSentence(context);
        return true;
    case WindowKey::F7:
        if (fillIn)
            readAloud(context);
        else
            playSentenceForMode(context);
        return true;
    // Sentence recall
    case WindowKey::F12:
        if (state.ModeIndex != kRecallMode)
            return false;
        resetRecall(state);
        return true;
    default:
        return false;
    }
}

void keyReleased(MainContext& context)
{
    context.state.CtrlHeld = false;
}

} // namespace kelvaro
