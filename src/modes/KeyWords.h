#pragma once

#include "MainState.h"

namespace kelvaro {

/// The view whose label decides whether a word is marked; the other view's label follows it.
enum class KeyWordView { SentenceBrowse, FullText };

/// What ToggleKeyWord did.
enum class KeyWordToggle {
    None,      ///< no such word: nothing changed
    Marked,    ///< the word got its mark
    Unmarked,  ///< the word lost its mark
    Recoloured ///< the labels changed colour; the record already was as they now say
};

/// True when a label shows a key word: its colour differs from its array's template colour.
bool isMarkedLabel(const ElementArray& labels, int index);

/// The full-text cell that mirrors word k of the current sentence; 0 when there is none.
int fullTextCellOfWord(const MainState& state, int k);

/// ToggleKeyWord(k): word k of the current sentence becomes a key word when the deciding view's
/// label shows it unmarked (both labels take KeyWordColour, one "◆" after its closing "$"),
/// otherwise plain (both labels the template colour, the mark after the "$" dropped). A record
/// never gets a second mark after one word. Saving the lesson is the caller's.
KeyWordToggle toggleKeyWord(MainState& state, int k, KeyWordView deciding);

/// Gives every marked label of both views (colour differs from the template) the colour.
void recolourKeyWords(MainState& state, Rgb colour);

/// UpdateFillInAvailability: recounts the key words of the lesson (marked word segments); without
/// any, "首词", "上一词", "下一词", "读句" and "填写" are disabled, otherwise "首词" and "读句"
/// enabled.
void updateFillInAvailability(MainState& state);

} // namespace kelvaro
