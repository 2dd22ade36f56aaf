#pragma once

#include "MainContext.h"

namespace kelvaro {

/// A click on tab k: that mode's panel, the focus, and every reading stopped.
void tabClicked(MainContext& context, int k);

/// Shows the panel of ModeIndex (a stored 5 becomes 1) and hides the word popups.
void showModePanel(MainContext& context);

/// Sends the keyboard focus to the current mode's input element.
void focusForMode(MainContext& context);

/// Offers tab 7 (WriteMode "1") or tab 4 ("2") and moves a ModeIndex of the other one across.
void applyWriteMode(MainContext& context);

/// Areas of the window whose mouse moves hand them the keyboard.
enum class PointerArea { TranslationPage, FullTextPage, Tree };

/// A mouse move over an area: after six moves in a row (no move over the tree in between,
/// or over the pages for the tree) the area gets the keyboard focus.
void mouseMovedOver(MainContext& context, PointerArea area);

/// The tabs from left to right as the window shows them (tab 4 and 7 share a place).
inline constexpr int kTabOrder[] = {1, 3, 2, 8, 6, 9, 4, 7};

/// The caption of tab k.
QString tabCaption(int k);

} // namespace kelvaro
