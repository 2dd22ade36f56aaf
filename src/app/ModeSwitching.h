#pragma once

#include "MainContext.h"

namespace kelvaro {

/// A click on mode's tab: its panel, the focus, and every reading stopped.
void tabClicked(MainContext& context, Mode mode);

/// Shows the panel of ModeIndex and runs its room's entry steps; the word popups hide.
void showModePanel(MainContext& context);

/// Sends the keyboard focus to the current mode's input element.
void focusForMode(MainContext& context);

/// Offers the free-spelling tab or the dictation-test tab, as WriteMode says, and moves a
/// ModeIndex of the other one across.
void applyWriteMode(MainContext& context);

/// Areas of the window whose mouse moves hand them the keyboard.
enum class PointerArea { TranslationPage, FullTextPage, Tree };

/// A mouse move over an area: after six moves in a row (no move over the tree in between,
/// or over the pages for the tree) the area gets the keyboard focus.
void mouseMovedOver(MainContext& context, PointerArea area);

} // namespace kelvaro
