#pragma once

#include "modes/MainState.h"

class QMenu;
class QWidget;

namespace kelvaro {

class MainController;

/// The dictation test's options ("听写测试设置"): sub-mode, pass mark, scoring rules, the
/// Chinese line, counts and pauses; checked from the state as it is now.
QMenu* buildDictationTestMenu(const MainState& state, MainController& controller, QWidget* parent);

/// The free-spelling options ("自由拼写设置"): sub-mode, counts and pauses.
QMenu* buildFreeSpellingMenu(const MainState& state, MainController& controller, QWidget* parent);

} // namespace kelvaro
