#pragma once

#include "MainContext.h"

namespace kelvaro {

/// Makes CurrentSentence the shown sentence in every view (forced into 1..SentenceCount).
void showSentence(MainContext& context);

/// Plays the current sentence when the mode's repeat count says so; resets CurrentReadCount.
void playSentenceForMode(MainContext& context);

/// The lesson player to SentenceStart, playing, ReadTimer on.
void playSentence(MainContext& context);
/// The same from seconds into the recording (a point inside the current sentence).
void playSentenceFrom(MainContext& context, double seconds);

/// Pauses the lesson player and stops the reading timers.
void pausePlayers(MainContext& context);

/// Makes sentence s current and shows it, reading it when play; false when there is no such
/// sentence (nothing changes then).
bool goToSentence(MainContext& context, int s, bool play);

// The sentence browse actions, also used by the keys and the other panels' buttons.
void firstSentence(MainContext& context);    ///< "首句"
void previousSentence(MainContext& context); ///< "上一句"
void nextSentence(MainContext& context);     ///< "下一句"
/// The same moves where their button would be enabled (首句 with any sentence, 上一句 and
/// 下一句 by their groups); false when the move is not offered.
bool offeredFirstSentence(MainContext& context);
bool offeredPreviousSentence(MainContext& context);
bool offeredNextSentence(MainContext& context);
void readAloud(MainContext& context); ///< "朗读"
void toggleSentenceChinese(MainContext& context);

} // namespace kelvaro
