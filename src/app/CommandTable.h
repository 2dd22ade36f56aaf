#pragma once

#include "MainContext.h"

#include <QStringList>
#include <QStringView>

#include <optional>

namespace kelvaro {

/// The keys the window handles for every mode, before the focused box sees them.
enum class WindowKey {
    Backspace,
    Ctrl,
    PageUp,
    PageDown,
    Home,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F12
};

/// What a key or a panel's button does. A key and a button that do the same perform the same
/// command; where they differ (free spelling's "上一句" keeps the typing, PageUp empties it),
/// they are two commands.
enum class Command {
    HoldCtrl,
    EmptyFilledBlank,
    FirstSentence,
    PreviousSentence,
    NextSentence,
    ReadSentence,
    PlayForMode,
    // Word fill-in
    FirstKeyWord,
    PreviousKeyWord,
    NextKeyWord,
    ReadBlankWord,
    ReadFillInSentence,
    FillInAnswer,
    MeaningHint,
    SpeakHint,
    TranscriptionHint,
    WordHint,
    // Free spelling
    SpellingFirst,
    SpellingPrevious,
    SpellingNext,
    SpellingRead,
    SpellingPreviousByKey,
    SpellingNextByKey,
    CueEnglish,
    CueChinese,
    // The dictation test
    DictationFirst,
    DictationPrevious,
    DictationNext,
    DictationRead,
    DictationRedo,
    ProgressiveHint,
    DirectHint,
    // Sentence recall
    ResetRecall,
    // Read-after
    Record,
    StopRecording,
    PlayTake,
    // The whole-lesson pages
    ReadAll,
    PauseReading,
    ResetTranslation,
};

/// A key press on the main window. Returns true when the key did something.
bool keyPressed(MainContext& context, WindowKey key);

/// Any key released: the Ctrl state ends.
void keyReleased(MainContext& context);

/// A button's command. Returns whether it did something.
bool performCommand(MainContext& context, Command command);

/// The command of the panel button named objectName; nullopt for a button that is no command.
std::optional<Command> commandOfButton(QStringView objectName);

/// The object names of every button the command table names.
QStringList commandButtons();

} // namespace kelvaro
