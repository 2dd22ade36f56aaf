#include "DictionaryLemmas.h"

namespace kelvaro {

DictionaryLemmas::DictionaryLemmas(const Dictionary& dictionary, QString fileName)
    : m_dictionary(dictionary), m_fileName(std::move(fileName))
{
}

QString DictionaryLemmas::lemmaFor(QStringView word) const
{
    if (m_dictionary.findHeadword(word))
        return word.toString();
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
