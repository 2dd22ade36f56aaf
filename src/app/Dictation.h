#pragma once

#include "MainContext.h"

namespace kelvaro {

// The dictation tab: the sub-mode switch and the dictation test's actions. Free spelling's
// actions are in FreeSpellingActions.h, the scoring of a finished sentence in
// DictationScoring.h.

/// The dictation part of showing a sentence: the free-spelling lines, the score and counters reset,
/// the done mark, and the box on the first word (a sentence without words is evaluated at once, but
/// only while the dictation test is shown).
void showDictationSentence(MainContext& context);

/// "重做", F12 and entering the dictation test: every word hidden again,
/// the box on the first word; the score stays.
void resetDictationSentence(MainContext& context);

/// The learner changed the dictation box's text.
void dictationTextChanged(MainContext& context, const QString& text);

/// A key pressed in the dictation box, before it is inserted: after a wrong word the box
/// empties so that the key starts afresh. Returns whether the box changed.
bool dictationKeyPressed(MainContext& context);

/// F5, progressive hint: the hint card for the current word; costs 1. Nothing without a word.
void progressiveHint(MainContext& context);
/// F6, direct hint: the hint card shows everything of the current word; costs 5. Nothing
/// without a word.
void directHint(MainContext& context);

/// The dictation test's "首句", "上一句", "下一句", "朗读": the browse actions when their
/// buttons would act, then the focus back into the box.
void dictationFirstSentence(MainContext& context);
void dictationPreviousSentence(MainContext& context);
void dictationNextSentence(MainContext& context);
void dictationReadAloud(MainContext& context);

/// Chooses free spelling or the dictation test: the sub-mode, its tab and the stored choice.
void selectFreeSpelling(MainContext& context);
void selectDictationTest(MainContext& context);

/// "设置过关分数": the pass mark.
void setPassMark(MainContext& context, int passMark);
/// "显示中文"/"隐藏中文" of the dictation test: the stored check toggles.
void toggleDictationChinese(MainContext& context);

} // namespace kelvaro
