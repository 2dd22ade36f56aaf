#include "KeyCommands.h"

#include "Dictation.h"
#include "FillInActions.h"
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
        if (fillIn)
            return state.fillIn.Command5Enabled && stepKeyWord(context, false);
        if (!state.backGroupEnabled)
            return false;
        previousSentence(context);
        return true;
    case WindowKey::PageDown:
        if (fillIn)
            return state.fillIn.Command1Enabled && stepKeyWord(context, true);
        if (!state.nextGroupEnabled)
            return false;
        nextSentence(context);
        return true;
    case WindowKey::Home:
        if (fillIn)
            return firstKeyWord(context);
        if (state.SentenceCount == 0)
            return false;
        firstSentence(context);
        return true;
    case WindowKey::F7:
        if (fillIn) {
            readAloud(context);
            if (state.fillIn.CurrentWordWriteText.visible)
                context.focus = FocusTarget::CurrentWordWriteText;
        } else
            playSentenceForMode(context);
        return true;
    // Word fill-in
    case WindowKey::Backspace:
        return fillInBackspace(context);
    case WindowKey::F1:
        return fillIn && fillInHint(context, FillInHint::Meaning);
    case WindowKey::F2:
        return fillIn && fillInHint(context, FillInHint::Speak);
    case WindowKey::F3:
        return fillIn && fillInHint(context, FillInHint::Transcription);
    case WindowKey::F4:
        return fillIn && fillInHint(context, FillInHint::Word);
    case WindowKey::F6:
        return fillIn && fillInHint(context, FillInHint::Word);
    case WindowKey::F10:
        return fillIn && fillInAnswer(context);
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
