#pragma once

#include "MainState.h"

namespace kelvaro {

// The dictation test's own steps on the window state: the slots, the box and the score.

/// Points taken by each mistake and hint of the dictation test.
inline constexpr int kWrongWordCost = 3;
inline constexpr int kProgressiveHintCost = 1;
inline constexpr int kDirectHintCost = 5;

/// Hides every word slot again (words drawn in the background colour and underlined, the
/// rest black), empties the box and puts it before the first word. The score stays.
void hideDictationSlots(MainState& state);

/// Reveals the slot the box is on and lays the box over the next hidden
/// word. Returns false when no hidden word is left (the box is hidden; the sentence is done).
bool advanceToNextWord(MainState& state);

/// Where the box lies: over the current slot as the words stand now, 15 twips wider.
TwipRect dictationBoxGeometry(const MainState& state);

/// Score 100 and the three counters 0.
void resetDictationScore(MainState& state);

/// The outcome of a change the learner made to the dictation box.
enum class DictationTyping { Nothing, Typed, Accepted, Wrong };

/// The learner changed the box text to text: it is judged against the current word. A right
/// word is revealed and the box moves on (the caller checks whether the sentence is done);
/// a wrong one stays selected and costs kWrongWordCost.
DictationTyping typeInDictationBox(MainState& state, const QString& text);

/// A key pressed in the box while its text is selected (after a wrong word): the box empties,
/// so the key starts a fresh attempt. Returns whether it did.
bool startFreshAttempt(MainState& state);

/// The display text of the current word, or empty when the box is on no word.
QString currentDictationWord(const MainState& state);

/// Whether the pass mark is reached (a score equal to it passes).
bool reachesPassMark(int score, int passMark);

/// The "未过关" message for a failed sentence.
QString failedSentenceMessage(int score, int passMark);
/// The "已过关" message for a passed sentence.
QString passedSentenceMessage(int score);
/// The "评分标准" text.
QString scoringRulesText();

} // namespace kelvaro
