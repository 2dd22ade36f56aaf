#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The two sides of a translation line; a Chinese line's backdrop counts as the Chinese side.
enum class TranslationSide { English, Chinese };

/// Lesson opening's reveal: applyRevealMode with the stored reveal mode (kPointChinese,
/// kPointEnglish or kPointEnglishChinese); a stored value other than 1 to 3 counts as 1.
void applyTranslationReveal(MainContext& context);

/// RS1 to RS3 of "英汉互译设置": the reveal mode's method, then the keyboard to the page.
void chooseRevealMode(MainContext& context, int mode);

/// A mouse button pressed on a side of line s: the press sound, only where the reveal mode
/// lets that side be clicked. Returns whether the press counted.
bool translationLinePressed(MainContext& context, int s, TranslationSide side);

/// The button released on a side of line s, where the reveal mode lets that side be clicked:
/// the release sound and the line uncovered or covered again. An English release also makes s
/// the current sentence. Returns whether the release counted.
bool translationLineReleased(MainContext& context, int s, TranslationSide side);

/// "恢复": every line covered again as the reveal mode says, the page back at its top.
void resetTranslation(MainContext& context);

/// A double click on English line s, or on full-text cell index: while the full-text Chinese
/// lines are off, the lesson player pauses and the sentence's Chinese shows in a "中文" box.
void translationLineDoubleClicked(MainContext& context, int s);
void fullTextCellDoubleClicked(MainContext& context, int index);

} // namespace kelvaro
