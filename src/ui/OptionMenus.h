#pragma once

#include "modes/MainState.h"

class QMenu;
class QWidget;

namespace kelvaro {

class MainController;

/// The option menus of the seven views, by their names: "AllModeSet", "SenModeSet", "YL",
/// "WriteSet", "PenModeSet", "ClickSet", "CurrentWordModeSet". Each is built from one table of
/// items, with captions and check marks read from the live state. nullptr for another name.
QMenu* buildOptionMenu(const QString& name, const MainState& state, MainController& controller,
                       QWidget* parent);

} // namespace kelvaro
