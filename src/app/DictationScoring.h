#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The last word of the sentence is done. A sentence passed before moves
/// on; a score below the pass mark resets the sentence with its message; a pass is written
/// into the lesson file at once (with the note in the box), counted, and moves on, or
/// completes the lesson.
void evaluateSentence(MainContext& context);

/// "查看评分标准": the lesson audio pauses and the scoring rules are shown.
void showScoringRules(MainContext& context);

/// Recounts DictatedCount over all records and the progress caption "3 / 12".
void recountDictated(MainState& state);

} // namespace kelvaro
