#include "KeyCommands.h"

#include "Dictation.h"
#include "FillInActions.h"
#include "FreeSpellingActions.h"
#include "SentenceDisplay.h"

#include "modes/FreeSpelling.h"
#include "modes/Recall.h"

#include <initializer_list>

namespace kelvaro {

namespace {

/// One row of the key table: the key, the modes it serves and what it does there. A row with
/// no modes serves every mode that no row of the same key names. The action returns whether
/// the key did something.
struct KeyRow
{
    WindowKey key;
    std::initializer_list<int> modes;
    bool (*action)(MainContext&);
};

bool holdCtrl(MainContext& context)
{
    context.state.CtrlHeld = true;
    return true;
}

// Free spelling also empties its box, but only when the sentence really moved.
bool spellingBack(MainContext& context)
{
    if (!offeredPreviousSentence(context))
        return false;
    emptyWriteText(context.state);
    return true;
}

bool spellingNext(MainContext& context)
{
    if (!offeredNextSentence(context))
        return false;
    emptyWriteText(context.state);
    return true;
}

bool keyWordBack(MainContext& context)
{
    return context.state.fillIn.Command5Enabled && stepKeyWord(context, false);
}

bool keyWordNext(MainContext& context)
{
    return context.state.fillIn.Command1Enabled && stepKeyWord(context, true);
}

bool fillInRead(MainContext& context)
{
    // The action of "读句": the sentence whatever the repeat count, then back to the blank.
    readAloud(context);
    if (context.state.fillIn.CurrentWordWriteText.visible)
        context.focus = FocusTarget::CurrentWordWriteText;
    return true;
}

bool playForMode(MainContext& context)
{
    playSentenceForMode(context);
    return true;
}

template <FillInHint hint> bool fillInHintKey(MainContext& context)
{
    return fillInHint(context, hint);
}

template <void (*action)(MainContext&)> bool always(MainContext& context)
{
    action(context);
    return true;
}

bool recallReset(MainContext& context)
{
    resetRecall(context.state);
    return true;
}

// The window's keys, mode by mode. Keys and modes not listed do nothing.
const KeyRow kKeyTable[] = {
    {WindowKey::Backspace, {}, fillInBackspace}, // acts only while the fill-in bubble shows
    {WindowKey::Ctrl, {}, holdCtrl},
    {WindowKey::PageUp, {kFillInMode}, keyWordBack},
    {WindowKey::PageUp, {kFreeSpellingMode}, spellingBack},
    {WindowKey::PageUp, {}, offeredPreviousSentence},
    {WindowKey::PageDown, {kFillInMode}, keyWordNext},
    {WindowKey::PageDown, {kFreeSpellingMode}, spellingNext},
    {WindowKey::PageDown, {}, offeredNextSentence},
    {WindowKey::Home, {kFillInMode}, firstKeyWord},
    {WindowKey::Home, {}, offeredFirstSentence},
    {WindowKey::F1, {kFillInMode}, fillInHintKey<FillInHint::Meaning>},
    {WindowKey::F2, {kFillInMode}, fillInHintKey<FillInHint::Speak>},
    {WindowKey::F3, {kFillInMode}, fillInHintKey<FillInHint::Transcription>},
    {WindowKey::F4, {kFillInMode}, fillInHintKey<FillInHint::Word>},
    {WindowKey::F5, {kDictationTestMode}, always<progressiveHint>},
    {WindowKey::F6, {kDictationTestMode}, always<directHint>},
    {WindowKey::F6, {kFillInMode}, fillInHintKey<FillInHint::Word>},
    {WindowKey::F7, {kFillInMode}, fillInRead},
    {WindowKey::F7, {}, playForMode},
    {WindowKey::F8, {kFreeSpellingMode}, always<cueEnglish>},
    {WindowKey::F9, {kFreeSpellingMode}, always<cueChinese>},
    {WindowKey::F10, {kFillInMode}, fillInAnswer},
    {WindowKey::F12, {kDictationTestMode}, always<resetDictationSentence>},
    {WindowKey::F12, {kRecallMode}, recallReset},
};

bool serves(const KeyRow& row, int mode)
{
    for (int m : row.modes) {
        if (m == mode)
            return true;
    }
    return false;
}

/// The row of the key for the mode: the one naming the mode, else the key's row for every
/// other mode; nullptr when the key does nothing there.
const KeyRow* rowFor(WindowKey key, int mode)
{
    const KeyRow* otherModes = nullptr;
    for (const KeyRow& row : kKeyTable) {
        if (row.key != key)
            continue;
        if (serves(row, mode))
            return &row;
        if (row.modes.size() == 0)
            otherModes = &row;
    }
    return otherModes;
}

} // namespace

bool keyPressed(MainContext& context, WindowKey key)
{
    const KeyRow* row = rowFor(key, context.state.ModeIndex);
    return row && row->action(context);
}

void keyReleased(MainContext& context)
{
    context.state.CtrlHeld = false;
}

} // namespace kelvaro
