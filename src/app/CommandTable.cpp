#include "CommandTable.h"

#include "ContinuousReading.h"
#include "Dictation.h"
#include "FillInActions.h"
#include "FreeSpellingActions.h"
#include "SentenceDisplay.h"
#include "TranslationSelfTest.h"
#include "VoiceComparing.h"

#include "modes/FreeSpelling.h"
#include "modes/ReadAfter.h"
#include "modes/Recall.h"

#include <initializer_list>

namespace kelvaro {

namespace {

/// One row of the command table: the command, the keys that perform it in the modes named
/// (a row with keys but no modes serves every mode that no row of the same key names), the
/// buttons (by object name) that perform it, and what it does. The action returns whether it
/// did something.
struct CommandRow
{
    Command command;
    std::initializer_list<WindowKey> keys;
    std::initializer_list<Mode> modes;
    std::initializer_list<const char16_t*> buttons;
    bool (*action)(MainContext&);
};

bool holdCtrl(MainContext& context)
{
    context.state.CtrlHeld = true;
    return true;
}

// PageUp and PageDown in free spelling also empty the box, but only when the sentence moved.
template <bool (*move)(MainContext&)> bool spellingMoveByKey(MainContext& context)
{
    if (!move(context))
        return false;
    emptyWriteText(context.state);
    return true;
}

bool previousKeyWord(MainContext& context)
{
    return context.state.fillIn.Command5Enabled && stepKeyWord(context, false);
}

bool nextKeyWord(MainContext& context)
{
    return context.state.fillIn.Command1Enabled && stepKeyWord(context, true);
}

bool readFillInSentence(MainContext& context)
{
    // The sentence whatever the repeat count, then back to the blank.
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

bool record(MainContext& context)
{
    startRecording(context.state, context.ports.recorder);
    if (!context.state.readAfter.microphoneMissing)
        voiceTakeStarted(context);
    return true;
}

bool stopRecordingTake(MainContext& context)
{
    stopRecording(context.state, context.ports.recorder);
    pausePlayers(context);
    compareTake(context);
    return true;
}

bool playTake(MainContext& context)
{
    playRecording(context.ports.recorder);
    followVoiceCursors(context);
    return true;
}

// The window's keys and the panels' command buttons, mode by mode. Keys and modes not listed
// do nothing.
const CommandRow kCommandTable[] = {
    // acts only while the fill-in bubble shows
    {Command::EmptyFilledBlank, {WindowKey::Backspace}, {}, {}, fillInBackspace},
    {Command::HoldCtrl, {WindowKey::Ctrl}, {}, {}, holdCtrl},
    {Command::PreviousKeyWord, {WindowKey::PageUp}, {Mode::FillIn}, {u"Command5"}, previousKeyWord},
    {Command::SpellingPreviousByKey,
     {WindowKey::PageUp},
     {Mode::FreeSpelling},
     {},
     spellingMoveByKey<offeredPreviousSentence>},
    {Command::PreviousSentence,
     {WindowKey::PageUp},
     {},
     {u"SenBackCommand", u"WordBackCommand", u"VoiceBackCommand1"},
     offeredPreviousSentence},
    {Command::NextKeyWord, {WindowKey::PageDown}, {Mode::FillIn}, {u"Command1"}, nextKeyWord},
    {Command::SpellingNextByKey,
     {WindowKey::PageDown},
     {Mode::FreeSpelling},
     {},
     spellingMoveByKey<offeredNextSentence>},
    {Command::NextSentence,
     {WindowKey::PageDown},
     {},
     {u"SenNextCommand", u"WordNextCommand", u"VoiceNextCommand"},
     offeredNextSentence},
    {Command::FirstKeyWord, {WindowKey::Home}, {Mode::FillIn}, {u"Command6"}, firstKeyWord},
    {Command::FirstSentence,
     {WindowKey::Home},
     {},
     {u"SenBegainCommand", u"WordBegainCommand", u"VoiceBegainCommand"},
     offeredFirstSentence},
    {Command::MeaningHint, {WindowKey::F1}, {Mode::FillIn}, {}, fillInHintKey<FillInHint::Meaning>},
    {Command::SpeakHint, {WindowKey::F2}, {Mode::FillIn}, {}, fillInHintKey<FillInHint::Speak>},
    {Command::TranscriptionHint,
     {WindowKey::F3},
     {Mode::FillIn},
     {},
     fillInHintKey<FillInHint::Transcription>},
    {Command::WordHint,
     {WindowKey::F4, WindowKey::F6},
     {Mode::FillIn},
     {},
     fillInHintKey<FillInHint::Word>},
    {Command::ProgressiveHint,
     {WindowKey::F5},
     {Mode::DictationTest},
     {u"Command2"},
     always<progressiveHint>},
    {Command::DirectHint,
     {WindowKey::F6},
     {Mode::DictationTest},
     {u"Command3"},
     always<directHint>},
    {Command::ReadFillInSentence,
     {WindowKey::F7},
     {Mode::FillIn},
     {u"Command8"},
     readFillInSentence},
    {Command::PlayForMode, {WindowKey::F7}, {}, {}, playForMode},
    {Command::CueEnglish,
     {WindowKey::F8},
     {Mode::FreeSpelling},
     {u"CueEnglishCommand"},
     always<cueEnglish>},
    {Command::CueChinese,
     {WindowKey::F9},
     {Mode::FreeSpelling},
     {u"CueChineseCommand"},
     always<cueChinese>},
    {Command::FillInAnswer, {WindowKey::F10}, {Mode::FillIn}, {u"Command9"}, fillInAnswer},
    {Command::DictationRedo,
     {WindowKey::F12},
     {Mode::DictationTest},
     {u"WriteRestCommand"},
     always<resetDictationSentence>},
    {Command::ResetRecall, {WindowKey::F12}, {Mode::Recall}, {u"WordRestCommand"}, recallReset},
    // Buttons only
    {Command::ReadSentence,
     {},
     {},
     {u"SenPlayCommand", u"WordReadCommand", u"SoftwareVoiceCommand"},
     always<readAloud>},
    {Command::ReadBlankWord, {}, {}, {u"Command7"}, always<readBlankWord>},
    {Command::SpellingFirst, {}, {}, {u"WriteSenBegainCommand"}, always<spellingFirstSentence>},
    {Command::SpellingPrevious, {}, {}, {u"WriteSenBackCommand"}, always<spellingPreviousSentence>},
    {Command::SpellingNext, {}, {}, {u"WriteSenNextCommand"}, always<spellingNextSentence>},
    {Command::SpellingRead, {}, {}, {u"WriteSenPlayCommand"}, always<spellingReadAloud>},
    {Command::DictationFirst, {}, {}, {u"WriteBegainCommand"}, always<dictationFirstSentence>},
    {Command::DictationPrevious, {}, {}, {u"WriteBackCommand"}, always<dictationPreviousSentence>},
    {Command::DictationNext, {}, {}, {u"WriteNextCommand"}, always<dictationNextSentence>},
    {Command::DictationRead, {}, {}, {u"WriteReadCommand"}, always<dictationReadAloud>},
    {Command::Record, {}, {}, {u"RecordCommand"}, record},
    {Command::StopRecording, {}, {}, {u"RecordStopCommand"}, stopRecordingTake},
    {Command::PlayTake, {}, {}, {u"UserVoiceCommand"}, playTake},
    {Command::ReadAll, {}, {}, {u"AllReadCommand"}, always<allReadClicked>},
    {Command::PauseReading, {}, {}, {u"PauseReadCommand"}, always<pauseReadClicked>},
    {Command::ResetTranslation, {}, {}, {u"ResetCommand"}, always<resetTranslation>},
};

template <typename T> bool contains(std::initializer_list<T> list, T value)
{
    for (const T& item : list) {
        if (item == value)
            return true;
    }
    return false;
}

/// The row of the key for the mode: the one naming the mode, else the key's row for every
/// other mode; nullptr when the key does nothing there.
const CommandRow* rowFor(WindowKey key, Mode mode)
{
    const CommandRow* otherModes = nullptr;
    for (const CommandRow& row : kCommandTable) {
        if (!contains(row.keys, key))
            continue;
        if (contains(row.modes, mode))
            return &row;
        if (row.modes.size() == 0)
            otherModes = &row;
    }
    return otherModes;
}

} // namespace

bool keyPressed(MainContext& context, WindowKey key)
{
    const CommandRow* row = rowFor(key, context.state.ModeIndex);
    return row && row->action(context);
}

void keyReleased(MainContext& context)
{
    context.state.CtrlHeld = false;
}

bool performCommand(MainContext& context, Command command)
{
    for (const CommandRow& row : kCommandTable) {
        if (row.command == command)
            return row.action(context);
    }
    return false;
}

std::optional<Command> commandOfButton(QStringView objectName)
{
    for (const CommandRow& row : kCommandTable) {
        for (const char16_t* button : row.buttons) {
            if (objectName == QStringView(button))
                return row.command;
        }
    }
    return std::nullopt;
}

QStringList commandButtons()
{
    QStringList names;
    for (const CommandRow& row : kCommandTable) {
        for (const char16_t* button : row.buttons)
            names.append(QString::fromUtf16(button));
    }
    return names;
}

} // namespace kelvaro
