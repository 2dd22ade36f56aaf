#pragma once

#include "content/Result.h"
#include "content/SentenceMarkup.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace kelvaro {

/// One authored dictionary entry: the headword, its Chinese meaning and the other forms
/// of it that the lessons use.
struct WordListEntry
{
    QString headword;
    QString meaning;
    QStringList forms;
    int line = 0;
};

/// The authored word list ("headword | meaning | forms"), which gives every word of the
/// lessons its dictionary form and every dictionary entry its meaning.
class WordList : public LemmaSource
{
public:
    WordList() = default;

    const QString& fileName() const { return m_fileName; }
    const QVector<WordListEntry>& entries() const { return m_entries; }

    /// The headword for a word as it stands in a sentence: a headword spelled exactly so,
    /// then a listed form, then both again in lower case, then the word without a final
    /// "'s" (a possessive). Empty when none matches.
    QString lemmaFor(QStringView word) const override;

    /// The headword spelled like name without regard to case; empty when there is none.
    QString headwordFor(QStringView name) const override;
    /// The word list's file name.
    QString sourceName() const override { return m_fileName; }

    /// Parses the word list; the message names the file and line of every fault.
    static Result<WordList> parse(const QString& text, const QString& fileName);

private:
    QString lookUp(const QString& word) const;

    QString m_fileName;
    QVector<WordListEntry> m_entries;
    QHash<QString, int> m_headwords;      // exact spelling -> entry
    QHash<QString, int> m_forms;          // exact spelling -> entry
    QHash<QString, int> m_lowerHeadwords; // ASCII lower case -> entry
    QHash<QString, int> m_lowerForms;     // ASCII lower case -> entry
};

/// True for a word as the lessons write it: letters, with single "'" or "-" between letters.
bool isWordSpelling(QStringView text);

/// A-Z folded to a-z; every other character unchanged.
QString asciiLowerCase(QStringView text);

} // namespace kelvaro
