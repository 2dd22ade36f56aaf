#pragma once

#include "MainState.h"

#include "ports/TextMeasurer.h"

namespace kelvaro {

/// The colour behind the word copies of the recall and dictation panels.
inline constexpr Rgb kPanelBackground = 0xFFF7F8FA;
/// The cover colour of a hidden word on the recall panel: RGB(240, 240, 240).
inline constexpr Rgb kCoveredWord = 0xFFF0F0F0;

/// Cuts the current sentence's English field into word labels and lays them out in lines.
void buildSentenceWords(MainState& state, const TextMeasurer& measurer);

/// The recall, dictation-test and fill-in panels' own copies of the sentence's word labels:
/// recall's covered, the test's hidden, the fill-in's in their colours. Each tab makes its copy
/// when it follows the sentence.
void buildRecallWords(MainState& state);
void buildDictationWords(MainState& state);
void buildFillInWords(MainState& state);

/// Lays the existing word labels (and the panels' copies of them) out again for the current
/// panel width (after a window-mode change); a new line then starts 30 twips below the
/// previous one.
void reflowSentenceWords(MainState& state);

/// The browse panel's texts for the current sentence: English, Chinese, note, counters,
/// sizes and the stacking of the panel.
void fillSentenceTexts(MainState& state, const TextMeasurer& measurer);

/// The navigation groups for the current sentence.
void updateNavigationGroups(MainState& state);

/// The width the sentence texts wrap at: the text viewport's width − 800 twips.
int sentenceTextWidth(const MainState& state);

} // namespace kelvaro
