#pragma once

#include "Result.h"

#include <QString>
#include <QStringView>
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

/// Where the words of a sentence find their dictionary forms.
class LemmaSource
{
public:
    virtual ~LemmaSource() = default;
    /// The dictionary form of a word as it stands in a sentence; empty when there is none.
    virtual QString lemmaFor(QStringView word) const = 0;
    /// The headword spelled like name without regard to case; empty when there is none.
    virtual QString headwordFor(QStringView name) const = 0;
    /// The file the forms come from, for messages.
    virtual QString sourceName() const = 0;
};

/// Cuts an authored English sentence into display segments. In the source, "[word]" marks a
/// key word and "word{lemma}" gives a dictionary form the word list would not find; every
/// other lemma comes from words. A word takes the blanks after it into its display, and
/// each run of punctuation with its blanks forms one segment. On failure the message gives
/// the column (1-based) and the fault, for the caller to prefix with its file and line.
Result<QVector<SentenceSegment>> segmentSentence(const QString& source, const LemmaSource& words);

/// Cuts a sentence of a learner's own transcript into display segments: no marks, any
/// character allowed. Blanks are collapsed, the lesson file's markup characters become their
/// full-width forms, and a word without a form in words gets its own spelling in lower case.
QVector<SentenceSegment> segmentPlainSentence(const QString& text, const LemmaSource& words);

/// The sentence as shown: every segment's display, in order.
QString displayText(const QVector<SentenceSegment>& segments);

/// The lesson file's English field: "^" segment "^" ... "^", a word as display "$" lemma "$",
/// followed by "◆" when it is a key word.
QString englishField(const QVector<SentenceSegment>& segments);

/// text with the lesson file's markup characters ("^", "$", "*", "#") in their full-width
/// forms and every control character as a blank, so it can stand in any field of a record.
QString fieldSafeText(const QString& text);

} // namespace kelvaro
