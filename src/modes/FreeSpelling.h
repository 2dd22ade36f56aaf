#pragma once

#include "MainState.h"

namespace kelvaro {

// Free spelling's own steps on the window state: the two lines and the box.

/// The English line of the current sentence: the text when the stored English check is 1, else its
/// mask.
void showFreeSpellingLines(MainState& state);

/// Whether the English line shows the sentence itself (not the mask).
bool englishLineShown(const MainState& state);
/// Whether the Chinese line shows the translation (not "已关闭").
bool chineseLineShown(const MainState& state);

/// The English line becomes the mask of the current sentence.
void maskEnglishLine(MainState& state);
/// The English line shows the sentence (F8, a click on the masked line).
void revealEnglishLine(MainState& state);
/// The Chinese line shows the translation (F9, a click on the closed line).
void revealChineseLine(MainState& state);
/// The Chinese line shows "已关闭".
void closeChineseLine(MainState& state);

/// The program empties the box.
void emptyWriteText(MainState& state);

/// Checks the box's text: the first wrong letter is selected (or the caret goes
/// to the end). Returns whether the sentence was typed right.
bool checkWriteText(MainState& state);

/// The caption of a closed Chinese line.
inline const char16_t kChineseClosed[] = u"已关闭";

} // namespace kelvaro
