#pragma once

#include <QString>

#include <vector>

namespace kelvaro {

/// Which practice gave an outcome. The numbers are stored in the history file.
enum class PracticeKind {
    DictationSentence = 1, ///< a sentence of the dictation test scored
    FreeSpelling = 2,      ///< a free-spelling check (Enter)
    FillInWord = 3,        ///< a word of the fill-in
    ReadAfter = 4,         ///< a read-after take scored
};

/// A word typed wrong, with what was typed.
struct WrongWord
{
    QString word;
    QString typed;
};

/// One practice outcome as the history keeps it.
struct PracticeOutcome
{
    PracticeKind kind = PracticeKind::DictationSentence;
    QString book;
    QString lesson;   ///< the lesson number as its file names give it
    int sentence = 0; ///< 1-based
    qint64 at = 0;    ///< milliseconds since the epoch, UTC
    bool passed = false;
    int score = 0; ///< dictation test or read-after score
    int hints = 0; ///< hints taken
    QString word;  ///< the fill-in's word
    std::vector<WrongWord> wrongWords;
    std::vector<QString> rightWords; ///< words typed right at the first try
};

} // namespace kelvaro
