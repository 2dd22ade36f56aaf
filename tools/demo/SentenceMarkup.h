#pragma once

#include "WordList.h"
#include "content/Result.h"

#include <QString>
#include <QVector>

namespace kelvaro {

/// One display segment of a sentence: a word with its dictionary form, or the punctuation
/// and spacing between words.
struct SentenceSegment
{
    QString display; ///< as shown, with the spaces that follow it
    QString lemma;   ///< the dictionary form; empty for a non-word segment
    bool keyWord = false;

    bool isWord() const { return !lemma.isEmpty(); }
    friend bool operator==(const SentenceSegment&, const SentenceSegment&) = default;
};

/// Cuts an authored English sentence into display segments. In the source, "[word]" marks a
/// key word and "word{lemma}" gives a dictionary form the word list would not find; every
/// other lemma comes from words. A word takes the blanks after it into its display, and
/// each run of punctuation with its blanks forms one segment. On failure the message gives
/// the column (1-based) and the fault, for the caller to prefix with its file and line.
Result<QVector<SentenceSegment>> segmentSentence(const QString& source, const WordList& words);

/// The sentence as shown: every segment's display, in order.
QString displayText(const QVector<SentenceSegment>& segments);

/// The lesson file's English field: "^" segment "^" ... "^", a word as display "$" lemma "$",
/// followed by "◆" when it is a key word.
QString englishField(const QVector<SentenceSegment>& segments);

} // namespace kelvaro
