#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <QFile>

#include <memory>
#include <optional>
#include <vector>

namespace kelvaro {

/// One meaning of an open-dictionary word: its part of speech ('n', 'v', 'a', 'r') and a short
/// English definition.
struct OpenSense
{
    QChar part;
    QString definition;
};

/// What the open dictionary holds for a word.
struct OpenEntry
{
    QString baseForm; ///< the WordNet lemma the word was found as
    QString parts;    ///< its parts of speech, "nv" and so on
    QString chinese;  ///< CC-CEDICT's glosses ("猫，猫只"); empty where there were none
    QVector<OpenSense> senses; ///< most frequent first
};

/// The prepared open dictionary (WordNet's words and word forms, CC-CEDICT's Chinese) as one
/// UTF-8 file of two sorted sections, "@forms" and "@words"; held whole in memory and searched
/// by binary search over the line starts, so that loading it costs one read and no parsing.
class OpenDictionary
{
public:
    OpenDictionary() = default;
    /// Indexes the file's bytes; lines that are out of order are never found.
    explicit OpenDictionary(QByteArray data);

    /// Reads and indexes the file; a missing or unreadable file is an error naming it.
    static Result<OpenDictionary> load(const QString& path);
    /// The installed file: beside the executable, else in ../share/kelvaro-player; empty when
    /// neither exists.
    static QString installedPath();

    bool isEmpty() const { return m_words.empty(); }
    /// The number of words it holds.
    qsizetype wordCount() const { return qsizetype(m_words.size()); }

    /// The lemma's own entry (lower case, exactly as WordNet spells it).
    std::optional<OpenEntry> entry(QStringView lemma) const;
    /// The word's base forms by WordNet's morphology, best first: the irregular forms of its
    /// exception lists, the word itself when it is a lemma, then what the detachment rules
    /// leave that the index holds for the rule's part of speech.
    QStringList baseForms(QStringView word) const;
    /// The entry of the word's first base form; nullopt when it has none.
    std::optional<OpenEntry> lookUp(QStringView word) const;

private:
    /// The line whose key (text up to the first tab) equals key, without its key and tab.
    QByteArrayView findLine(const std::vector<quint32>& lines, QByteArrayView key) const;
    QByteArrayView partsOf(QByteArrayView lemma) const;

    QByteArray m_data;                ///< the file's bytes, or a view of its mapping
    std::shared_ptr<QFile> m_mapping; ///< keeps the mapping of m_data alive; may be null
    std::vector<quint32> m_forms;     ///< start of each line of "@forms"
    std::vector<quint32> m_words;     ///< start of each line of "@words"
};

/// The key the open dictionary files a word under: lower case, a typographic apostrophe as "'".
QByteArray openDictionaryKey(QStringView word);

/// The word's meaning as the popup shows it: the Chinese on the first line (when there is
/// one), then one line per sense, "n. definition".
QString openMeaningText(const OpenEntry& entry);

} // namespace kelvaro
