#pragma once

#include "Dictionary.h"
#include "OpenDictionary.h"
#include "SentenceMarkup.h"

namespace kelvaro {

/// The program folder's dictionary as the lemma source of a learner's sentences: a word is its
/// own dictionary form when it is a headword, else its first suffix candidate that is one.
/// With the open dictionary behind it, a word that is no headword but that WordNet knows takes
/// WordNet's best base form before any suffix rule: "is" is "be", never "i".
class DictionaryLemmas : public LemmaSource
{
public:
    /// Looks words up in dictionary (kept by reference); fileName names it in messages.
    DictionaryLemmas(const Dictionary& dictionary, QString fileName,
                     const OpenDictionary* open = nullptr);

    /// The word, its WordNet base form, its first suffix candidate that is a headword, or empty.
    QString lemmaFor(QStringView word) const override;
    /// The entry's own spelling of name; empty when it is no headword.
    QString headwordFor(QStringView name) const override;
    QString sourceName() const override { return m_fileName; }

private:
    const Dictionary& m_dictionary;
    const OpenDictionary* m_open; ///< may be null
    QString m_fileName;
};

} // namespace kelvaro
