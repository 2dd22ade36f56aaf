#pragma once

#include "MainContext.h"

namespace kelvaro {

/// Twips per pixel at a logical DPI (15 at 96 DPI).
inline double twipsPerPixel(int logicalDpi)
{
    return logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
}

/// The height in pixels of the strip at the bottom of the screen that the work area leaves out.
int taskbarHeight(const Screen& screen);

/// Sets the panels, viewports and tree for the window's current size (normal or maximised).
void layoutPanels(MainState& state);

/// Maximise: the window covers the work area; the views are laid out again.
void maximiseWindow(MainContext& context);

/// Restore: a 12000 x 8550 twip window centred on the screen; the views are laid out again.
void restoreWindow(MainContext& context);

/// Lays every text view out again for the current panel size, keeping sentence and scroll.
void relayoutViews(MainContext& context);

} // namespace kelvaro
