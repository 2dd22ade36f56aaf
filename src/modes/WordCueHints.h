#pragma once

#include "MainState.h"
#include "WordActions.h"

namespace kelvaro {

/// True when label k of the current sentence is a word (its segment begins with a letter).
bool isSentenceWord(const MainState& state, int k);

/// True while recall label k is covered (its text has its background's colour).
bool isRecallWordCovered(const MainState& state, int k);

/// Covers recall label k (light grey on light grey, underline shown) or uncovers it (black on
/// the panel, no underline). Labels that are no words are left alone.
void setRecallWordCovered(MainState& state, int k, bool covered);

/// On HintWordIndex: one more line of the card; the fifth uncovers the word,
/// the sixth covers it again and starts over at the meaning.
void progressiveHint(MainState& state, WordActions& words);

/// On HintWordIndex: a covered word (or any word when asHidden, as the dictation
/// test asks) is uncovered and the card filled; an uncovered one is covered again.
void fullReveal(MainState& state, WordActions& words, bool asHidden = false);

/// On HintWordIndex: the card shows while the pointer is over the last hinted word
/// and hides over any other word; it does not move.
void hoverHint(MainState& state);

/// A click on a card line: it shows its value (the read line speaks); no stage changes.
void clickCueLine(MainState& state, WordActions& words, CueLine line);

/// Stage 0, no last hinted word, the card hidden ("重置", "重做", entering a mode).
void resetWordCue(MainState& state);

/// resetWordCue, and every value label emptied (a sentence shown).
void clearWordCue(MainState& state);

/// Where the hint card stands in a panel of that size (all panel-relative): under its word
/// when that leaves the Chinese line clear, else under the Chinese line, above the word or
/// beside it; never over the word or the Chinese line while any such place fits the panel.
TwipRect wordCuePlace(const TwipRect& word, const TwipRect& chinese, int panelWidth,
                      int panelHeight);

/// Places the card by the label of HintWordIndex (wordCuePlace) for the panel showing it; true
/// when it stands left of its usual place.
bool placeWordCue(MainState& state);

} // namespace kelvaro
