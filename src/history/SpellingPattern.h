#pragma once

#include <QString>

#include <vector>

namespace kelvaro {

/// What went wrong in a misspelt word, in the patterns Chinese speakers are known for.
/// The numbers are stored in the history file: append, never renumber.
enum class SpellingPattern {
    Other = 0,
    DroppedEnding = 1,   ///< "walk" for "walked", "book" for "books"
    AddedEnding = 2,     ///< "cats" for "cat", "goed" for "go"
    WrongEnding = 3,     ///< "walking" for "walked"
    Th = 4,              ///< "sink", "fink", "dis" for "think", "this"
    LR = 5,              ///< "right" for "light"
    VW = 6,              ///< "wery" for "very"
    SingleForDouble = 7, ///< "leter" for "letter"
    DoubleForSingle = 8, ///< "untill" for "until"
    Vowel = 9,           ///< "sheep" for "ship", "reed" for "read", "cot" for "cut"
    Swapped = 10,        ///< "fro" for "for"
    MissingLetter = 11,  ///< "goverment" for "government"
    ExtraLetter = 12,    ///< "wherre" for "where"
};

inline constexpr int kSpellingPatternCount = 13;

/// One step of the alignment of a typed word with the right one.
struct SpellingEdit
{
    enum Kind { Match, Substitute, Missing, Extra, Swap } kind = Match;
    QChar right;     ///< the right word's letter (Match, Substitute, Missing; the first of a Swap)
    QChar typed;     ///< the typed letter (Match, Substitute, Extra; the first of a Swap)
    int rightAt = 0; ///< where in the right word (0-based)
    int typedAt = 0; ///< where in the typed word
};

/// The cheapest alignment of typed with right (substitutions, missing and extra letters and
/// swaps of two neighbours cost one each), without regard to case.
std::vector<SpellingEdit> alignSpelling(const QString& typed, const QString& right);

/// The pattern of a misspelling; Other when the typed word is right or fits none.
SpellingPattern classifyMisspelling(const QString& typed, const QString& right);

/// The short Chinese name of a pattern ("词尾遗漏").
QString patternName(SpellingPattern pattern);
/// A stable English key for scripts ("dropped-ending").
QString patternKey(SpellingPattern pattern);
/// One line of advice in Chinese.
QString patternAdvice(SpellingPattern pattern);

} // namespace kelvaro
