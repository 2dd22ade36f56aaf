#pragma once

#include "MainState.h"

namespace kelvaro {

/// "重置", F12 and entering the mode: every word covered again, every other label
/// readable, the hint card back to stage 0 and hidden.
void resetRecall(MainState& state);

/// The recall panel's Chinese line for the sentence shown: the browse view's Chinese text, size
/// and place; visible while the stored recall Chinese check is on.
void fillRecallChinese(MainState& state);

/// "显示中文" / "隐藏中文" of the recall menu: the stored check toggles, the line follows.
void toggleRecallChinese(MainState& state);

/// True while the recall panel shows its Chinese line.
inline bool recallChineseShown(const MainState& state)
{
    return state.options.clickChineseCheck;
}

} // namespace kelvaro
