#pragma once

#include "MainState.h"

namespace kelvaro {

/// What toggleKeyWord did.
enum class KeyWordToggle {
    None,    ///< no such word: nothing changed
    Marked,  ///< the word got its mark
    Unmarked ///< the word lost its mark
};

/// The full-text cell that mirrors word k of the current sentence; 0 when there is none.
int fullTextCellOfWord(const MainState& state, int k);

/// Word k of the current sentence loses its "◆" when its record segment
/// carries one, and gets one right after its closing "$" otherwise; its label in both views
/// takes the key-word colour when marked and the template colour when not. Saving the lesson is the
/// caller's.
KeyWordToggle toggleKeyWord(MainState& state, int k);

/// Gives the labels of both views whose record segment carries "◆" the colour, the others
/// their template colour.
void recolourKeyWords(MainState& state, Rgb colour);

/// Recounts the key words of the lesson (marked word segments); without
/// any, "首词", "上一词", "下一词", "读句" and "填写" are disabled, otherwise "首词" and "读句"
/// enabled.
void updateFillInAvailability(MainState& state);

} // namespace kelvaro
