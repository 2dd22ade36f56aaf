#pragma once

#include "ViewElement.h"

#include <QString>

namespace kelvaro {

/// The dictation test draws the sentence's Chinese line this much lower than sentence browse.
inline constexpr int kDictationChineseDrop = 60;

/// The dictation test's score of the current sentence and its three counters.
struct DictationScore
{
    int score = 100;     ///< no lower bound
    int wrongWords = 0;  ///< wrong words typed
    int progressive = 0; ///< progressive hints (F5)
    int directHints = 0; ///< direct hints (F6)
};

/// What the two dictation panels show besides the sentence's word copies.
struct DictationView
{
    // Free spelling
    QString WriteSenEnglishLabel;  ///< the English text or its mask
    QString WriteSenChineseLabel;  ///< the Chinese text or "已关闭"
    QString WriteText;             ///< the learner's typing
    int WriteTextSelectStart = -1; ///< set by the check: the wrong letter, or -1 (caret at the end)
    int writeTextRevision = 0;     ///< bumped whenever the program changes the box

    // Dictation test
    int DictationWordIndex = 0; ///< the slot the box is on; 0 = before the first word
    QString WriteWordText;
    bool WriteWordTextVisible = false;
    bool WriteWordTextSelected = false; ///< the whole text is selected (a wrong word)
    TwipRect WriteWordTextGeometry;     ///< laid over the current slot
    int wordBoxRevision = 0;            ///< bumped whenever the program changes the box
    DictationScore score;
    /// The sentence's words, hidden until typed, and the slots under them.
    ElementArray WriteWordLabel, WriteWordLine;
    bool WriteDoneCueVisible = false; ///< "本句已听写完成"
};

} // namespace kelvaro
