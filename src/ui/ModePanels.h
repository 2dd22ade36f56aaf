#pragma once

#include "Twips.h"

#include "modes/Mode.h"

class QWidget;

namespace kelvaro {

class MainController;
class ModePanel;

/// The panel of mode's tab, made for the window (every row of the mode table has one).
ModePanel* makeModePanel(Mode mode, const TwipScale& scale, MainController& controller,
                         QWidget* parent);

} // namespace kelvaro
