#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The caption of the continuous-reading button: "停止朗读" while continuous reading runs, else
/// "全文朗读".
QString allReadCaption(const MainState& state);
/// The caption of the pause button: "继续朗读" while the reading is held, else "暂停朗读".
QString pauseReadCaption(const MainState& state);

/// The continuous-reading button: "全文朗读" reads the lesson from sentence 1 on; "停止朗读" stops
/// the reading for good (no reading or pause still running goes on) and goes back to sentence 1.
void allReadClicked(MainContext& context);

/// The pause button: "暂停朗读" holds the reading where it is, inside a reading or inside the
/// pause after one; "继续朗读" goes on from there.
void pauseReadClicked(MainContext& context);

/// Holds a running continuous reading as "暂停朗读" does (the views' word and translation
/// clicks stop the lesson player); nothing when it does not run or is held already.
void holdContinuousReading(MainContext& context);

/// The full-text pause timer's own step, after its repeat: on to the next sentence once the
/// current one has been read its count, the buttons back at rest at the last sentence or when
/// nothing more will be read, and the page following the reading.
void continuousReadingStep(MainContext& context);

/// Both buttons at rest ("全文朗读", "暂停朗读" disabled); the timers are the caller's.
void endContinuousReading(MainState& state);

/// A right release on full-text cell index looks its word up, leaving the lesson player waiting
/// at the sentence's start: a running continuous reading is held until "继续朗读".
void lookUpFullTextWord(MainContext& context, int index);

/// A sentence chosen on the full-text page (a cell or its speaker icon): it becomes current and
/// is read; a pause still counting for the sentence left is dropped, so a continuous reading
/// goes on from the chosen sentence.
void readChosenSentence(MainContext& context, int s);

} // namespace kelvaro
