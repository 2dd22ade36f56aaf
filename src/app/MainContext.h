#pragma once

#include "FocusTarget.h"
#include "ModeRooms.h"
#include "PracticeLog.h"
#include "UnwrittenChanges.h"

#include "modes/MainState.h"

#include "DictionaryLoading.h"
#include "OpenWords.h"
#include "ports/BackgroundWork.h"
#include "ports/Desktop.h"
#include "ports/Dialogs.h"
#include "ports/HistoryStore.h"
#include "ports/MediaPlayer.h"
#include "ports/Screen.h"
#include "ports/SoundEffects.h"
#include "ports/TextMeasurer.h"
#include "ports/Timer.h"
#include "ports/VoiceRecorder.h"

#include <functional>

namespace kelvaro {

/// The outside world of the main window, chosen by the wiring place (real or fake).
struct Ports
{
    TimerFactory& timers;
    MediaPlayer& lessonPlayer;
    MediaPlayer& wordPlayer;
    Dialogs& dialogs;
    Desktop& desktop;
    Screen& screen;
    const TextMeasurer& measurer;
    VoiceRecorder& recorder;
    SoundEffects& feedback;
    BackgroundWork& background; ///< analysis of the read-after readings
};

/// The window's timers.
struct Timers
{
    Timer* ReadTimer = nullptr;        ///< watches a reading for the sentence's end
    Timer* wordDelayTimer = nullptr;   ///< speaks a looked-up word a moment later
    Timer* browsePauseTimer = nullptr; ///< the pauses between readings, one per repeat family
    Timer* dictationPauseTimer = nullptr;
    Timer* fullTextPauseTimer = nullptr;
    Timer* recallPauseTimer = nullptr;
    Timer* spellingPauseTimer = nullptr;
    Timer* maximiseTimer = nullptr;    ///< maximises a window remembered maximised, once shown
    Timer* SetFocusTimer = nullptr;    ///< gives the mode its focus once the window is shown
    Timer* VoiceCursorTimer = nullptr; ///< moves the read-after picture's play cursors
};

/// What the read-after analyses in the background belong to, so that a result that comes
/// back after the learner moved on is dropped.
struct VoiceJobs
{
    QString shownCut;       ///< the cut of the sentence shown; readAfter's pictures are of it
    QString pendingCut;     ///< the cut being analysed now; empty when none is
    int takeGeneration = 0; ///< a new take or another sentence makes a comparison under way stale
};

/// Everything the window's operations work on: the state, the dictionary, the ports, the timers.
struct MainContext
{
    MainContext(const QString& programFolder, Ports ports) : state(programFolder), ports(ports) {}

    MainState state;
    DictionaryLoading dictionary; ///< read on a thread of its own from start-up on
    OpenWords openWords;          ///< the open dictionary and voice behind the folder's own
    Ports ports;
    Timers timers;
    VoiceJobs voiceJobs;
    ModeRooms rooms;            ///< each tab's own steps
    UnwrittenChanges unwritten; ///< lesson texts whose files could not be written
    FocusTarget focus = FocusTarget::None;
    bool quitRequested = false; ///< start-up could not continue
    /// The learner's history and the log the modes report their outcomes to; none in tests
    /// that do not look at them (the wiring place sets both).
    HistoryStore* history = nullptr;
    PracticeLog* practiceLog = nullptr;
    /// Called once a sentence is passed in the dictation test: a review run opens its next due
    /// sentence and answers true; without a run (or at its end) false.
    std::function<bool()> nextReviewSentence;
    /// Called after a timer handler changed the state, so the window draws it again.
    std::function<void()> stateChanged;
    /// Called on the loading thread once the dictionary file is read; the window answers with
    /// settleDictionary() on its own thread, which reports a file that could not be read.
    std::function<void()> dictionaryLoaded;

    void notifyChanged()
    {
        if (stateChanged)
            stateChanged();
    }
};

} // namespace kelvaro
