#pragma once

#include "MainContext.h"

#include <array>

namespace kelvaro {

/// A mode that reads its sentence a number of times with a pause after each reading: the
/// option that holds its count and pause, and the timer that waits the pause.
struct RepeatFamily
{
    Mode mode;
    RepeatOption Settings::*option;
    Timer* Timers::*pauseTimer;
    const char* prefix; ///< the menus' name prefix of the family (SenModeRead…, SenReadTime…)
};

inline constexpr std::array<RepeatFamily, 5> kRepeatFamilies = {{
    {Mode::SentenceBrowse, &Settings::sen, &Timers::browsePauseTimer, "Sen"},
    {Mode::DictationTest, &Settings::write, &Timers::dictationPauseTimer, "Write"},
    {Mode::FullText, &Settings::all, &Timers::fullTextPauseTimer, "All"},
    {Mode::Recall, &Settings::click, &Timers::recallPauseTimer, "Click"},
    {Mode::FreeSpelling, &Settings::pen, &Timers::spellingPauseTimer, "Pen"},
}};

/// The family of a mode; nullptr for the modes that never repeat (3, 6, 9).
const RepeatFamily* repeatFamily(Mode mode);

/// Installs the reading watcher and the pause timers' handlers, with the pauses of the options.
void installRepeatScheduler(MainContext& context);

/// ReadTimer: ends a reading once the lesson player is past SentenceEnd, then the pause.
/// Returns whether the reading ended (most ticks change nothing).
bool readTimerTick(MainContext& context);

/// A pause timer has run out: read again, or go on to the next sentence (browse, automatic).
void pauseTimerTick(MainContext& context, const RepeatFamily& family);

/// The menus' count item: the mode's repeat count.
void setRepeatCount(MainContext& context, Mode mode, double count);

/// The menus' pause item: the mode's pause in milliseconds.
void setRepeatPause(MainContext& context, Mode mode, int milliseconds);

/// Stops a pending pause of the current mode (a new sequence starts by hand).
void cancelPendingPause(MainContext& context);

} // namespace kelvaro
