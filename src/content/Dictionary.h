#pragma once

#include "HeadwordIndex.h"
#include "Result.h"

#include <QString>
#include <QStringView>
#include <QVector>

#include <optional>

namespace kelvaro {

/// One dictionary entry as the word popup shows it.
struct DictionaryEntry
{
    qsizetype entryPos = -1; ///< 0-based index of the "$" that opens the entry
    QString headword;        ///< as spelled in the dictionary
    QString pronunciation;   ///< between the first "[" and the first "]"
    QString meaning;         ///< everything after that "]" up to the next "$" (or the end)
};

/// What a word lookup gives the popup.
struct LookupResult
{
    bool found = false;
    bool viaSuffixRule = false; ///< found through a suffix candidate (the link sits further right)
    QString headword;           ///< entry spelling, or the word itself when not found
    QString pronunciation;      ///< empty when not found
    QString meaning;            ///< "<没找到!>" when not found
    qsizetype entryPos = -1;    ///< 0-based; -1 when not found
    bool openEntry = false;     ///< from the open dictionary, not the folder's (entryPos -1)
};

/// The dictionary text ("$" headword "[" pronunciation "]" meaning "$" ...) with an index
/// that gives exactly the results of a first-occurrence, case-insensitive (A-Z) scan.
class Dictionary
{
public:
    Dictionary() = default;
    /// Builds the index over text.
    explicit Dictionary(QString text);

    /// Reads and indexes the dictionary file.
    static Result<Dictionary> load(const QString& path);

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }

    /// The first entry whose headword equals word without regard to case (A-Z).
    std::optional<DictionaryEntry> findHeadword(QStringView word) const;

    /// The word, then its suffix candidates, as the word popup looks them up.
    LookupResult lookUpWord(QStringView word) const;

    /// The suffix candidates tried for word when it is not found, in order (may be empty).
    static QVector<QString> suffixCandidates(QStringView word);

private:
    QString m_text;
    HeadwordIndex m_index; // over m_text, which never changes
};

/// The k-th segment (1-based) of a record and its dictionary form.
struct SentenceWord
{
    qsizetype caretPos = -1; ///< 0-based position of the "^" that opens segment k
    QString word;            ///< the text between the segment's first two "$"; empty if none
};

/// The segment opened by the k-th "^" of record; nullopt when the record has no such segment.
std::optional<SentenceWord> getSentenceWord(QStringView record, int k);

/// The text the popup shows when a word is not found.
inline QString notFoundMeaning()
{
    return QStringLiteral("<没找到!>");
}

} // namespace kelvaro
