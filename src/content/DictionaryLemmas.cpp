#include "DictionaryLemmas.h"

namespace kelvaro {

DictionaryLemmas::DictionaryLemmas(const Dictionary& dictionary, QString fileName,
                                   const OpenDictionary* open)
    : m_dictionary(dictionary), m_open(open), m_fileName(std::move(fileName))
{
}

QString DictionaryLemmas::lemmaFor(QStringView word) const
{
    if (m_dictionary.findHeadword(word))
        return word.toString();
    // WordNet knows the word: its best base form beats the suffix rules' guess ("is" is "be",
    // not the letter "i"), whether the folder holds it or the open dictionary alone does.
    const QStringList forms = m_open != nullptr ? m_open->baseForms(word) : QStringList();
    if (!forms.isEmpty())
        return forms.front();
    for (const QString& candidate : Dictionary::suffixCandidates(word)) {
        if (m_dictionary.findHeadword(candidate))
            return candidate;
    }
    return {};
}

QString DictionaryLemmas::headwordFor(QStringView name) const
{
    const std::optional<DictionaryEntry> entry = m_dictionary.findHeadword(name);
    return entry ? entry->headword : QString();
}

} // namespace kelvaro
