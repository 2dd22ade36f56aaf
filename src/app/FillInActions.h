#pragma once

#include "MainContext.h"

namespace kelvaro {

/// refreshFillIn for the sentence shown (the word spoken only while the fill-in is shown).
void refreshFillIn(MainContext& context);

/// The sentence of cell KeyWordPosition becomes current, waiting paused at its
/// start, and that key word becomes the blank.
void goToKeyWord(MainContext& context);

/// "下一词" / PageDown (forward) and "上一词" / PageUp: the next or previous key word of the
/// lesson; past either end nothing changes. Returns whether it moved.
bool stepKeyWord(MainContext& context, bool forward);

/// "首词" / Home: the first key word of the lesson.
bool firstKeyWord(MainContext& context);

/// Every change of the box's text: the bubble and WordRight.wav when it fills the blank,
/// type.wav while it does not, wrong.wav and the whole text selected when it is too long.
void fillInTyped(MainContext& context, const QString& text);

/// Space in the box: while the bubble shows it is swallowed (true), goes on to the next key word
/// when there is one, and the box is emptied.
bool fillInSpace(MainContext& context);

/// Backspace while the bubble shows: the box is emptied for another try.
bool fillInBackspace(MainContext& context);

/// The hint keys; each does nothing while there is no blank.
enum class FillInHint { Meaning, Speak, Transcription, Word };
bool fillInHint(MainContext& context, FillInHint hint);

/// "填写" / F10: the blank's text written into the box, as if typed.
bool fillInAnswer(MainContext& context);

/// "读词": the blank's word spoken.
void readBlankWord(MainContext& context);

/// The fill-in option toggles: "提示单词", "提示词义", "提示音标", "提示读音".
enum class FillInOption { Word, Meaning, Transcription, Speak };
void toggleFillInOption(MainContext& context, FillInOption option);

} // namespace kelvaro
