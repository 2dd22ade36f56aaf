#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The keys the window handles for every mode, before the focused box sees them.
enum class WindowKey {
    Backspace,
    Ctrl,
    PageUp,
    PageDown,
    Home,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F12
};

/// A key press on the main window. Returns true when the key did something.
bool keyPressed(MainContext& context, WindowKey key);

/// Any key released: the Ctrl state ends.
void keyReleased(MainContext& context);

} // namespace kelvaro
