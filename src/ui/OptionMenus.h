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

/// The full-text options ("全文模式设置"): key-word help and colour, counts, pauses.
QMenu* buildFullTextMenu(const MainState& state, MainController& controller, QWidget* parent);
/// The sentence browse options ("句子浏览设置"): Chinese line, counts, pauses, next-sentence mode.
QMenu* buildSentenceBrowseMenu(const MainState& state, MainController& controller, QWidget* parent);
/// The translation options ("英汉互译设置", YL): the reveal modes RS1..RS3, the one in force
/// checked.
QMenu* buildTranslationMenu(const MainState& state, MainController& controller, QWidget* parent);
/// The dictation test options ("听写测试设置").
QMenu* buildDictationTestMenu(const MainState& state, MainController& controller, QWidget* parent);
/// The free spelling options ("自由拼写设置").
QMenu* buildFreeSpellingMenu(const MainState& state, MainController& controller, QWidget* parent);
/// The sentence recall options ("句子回想设置"): Chinese line, counts, pauses.
QMenu* buildRecallMenu(const MainState& state, MainController& controller, QWidget* parent);
/// The word fill-in options ("单词填空设置"): the four hint toggles.
QMenu* buildFillInMenu(const MainState& state, MainController& controller, QWidget* parent);

} // namespace kelvaro
