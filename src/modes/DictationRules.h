#pragma once

#include <QString>

namespace kelvaro {

// The typing rules of both dictation sub-modes: pure functions, no state.

/// The characters that end a word typed in the dictation box: " ", ",", ".", "?", "!".
bool isWordEnding(QChar c);

/// A word's display text as the learner types it: segments carry their own spaces, so the
/// trailing blanks are not part of the word.
QString typedWordForm(const QString& display);

/// Whether typed is the word whose display text is display: letter case never matters, the
/// content's curly apostrophe equals the keyboard's straight one, trailing blanks of the
/// display text are not typed.
bool matchesWord(const QString& typed, const QString& display);

/// What a change of the dictation box's text means for the current word.
enum class BoxVerdict {
    Nothing,  ///< the box is (or became) empty: no sound, no cost
    Typed,    ///< the learner is typing the word
    Accepted, ///< the word was ended and is right: reveal it, go on
    Wrong     ///< the word was ended and is wrong: select it, cost points
};

struct BoxJudgement
{
    BoxVerdict verdict = BoxVerdict::Nothing;
    QString text; ///< what the box holds afterwards (empty after an accepted word)
};

/// Judges the box text against the current word's display text. Leading blanks are dropped (a
/// blank typed into the empty box ends nothing). When the last character ends a word and the
/// rest is at least as long as the typed form of the word, the ending characters are removed
/// and the rest is compared once: a pasted "hello.." is one accepted word, never a wrong one.
/// A shorter rest keeps its ending character, so "Mr." is typed in full and then ended.
BoxJudgement judgeBoxText(const QString& text, const QString& display);

/// The English line with every ASCII letter replaced by "_"; the same length as the text.
QString maskEnglishLine(const QString& english);

/// The result of checking a free-spelling box against its sentence.
struct SpellingCheck
{
    bool passed = false;
    /// 0-based position of the first letter that no longer matches (selected), or -1 when every
    /// typed letter matches (the caret goes to the end, nothing is selected).
    int wrongAt = -1;
};

/// Compares only the ASCII letters of typed with those of english, without regard to case;
/// blanks, digits, punctuation and other characters are ignored on both sides.
SpellingCheck checkFreeSpelling(const QString& english, const QString& typed);

} // namespace kelvaro
