#pragma once

#include "modes/MainState.h"

class QMenu;
class QWidget;

namespace kelvaro {

class MainController;
struct RepeatFamily;

/// Adds a mode's "朗读次数" and "间隔时间" submenus (the repeat-count and pause families),
/// checked from the state, to menu.
void addRepeatFamilyMenus(QMenu* menu, const RepeatFamily& family, const MainState& state,
                          MainController& controller);

/// The sentence browse options ("句子浏览设置"): Chinese line, counts, pauses, next-sentence mode.
QMenu* buildSentenceBrowseMenu(const MainState& state, MainController& controller, QWidget* parent);

/// The translation options ("英汉互译设置", YL): the reveal modes RS1..RS3, the one in force
/// checked.
QMenu* buildTranslationMenu(const MainState& state, MainController& controller, QWidget* parent);

/// The sentence recall options ("句子回想设置"): Chinese line, counts, pauses.
QMenu* buildRecallMenu(const MainState& state, MainController& controller, QWidget* parent);

/// The word fill-in options ("单词填空设置"): the four hint toggles.
QMenu* buildFillInMenu(const MainState& state, MainController& controller, QWidget* parent);

} // namespace kelvaro
