#include "OpenWords.h"

#include "content/OpenLookup.h"

namespace kelvaro {

void OpenWords::attach(const QString& dictionaryPath, WordVoice* voice)
{
    m_path = dictionaryPath;
    m_loaded = dictionaryPath.isEmpty();
    m_dictionary = OpenDictionary();
    m_voice = voice;
}

void OpenWords::attach(OpenDictionary dictionary, WordVoice* voice)
{
    m_path.clear();
    m_loaded = true;
    m_dictionary = std::move(dictionary);
    m_voice = voice;
}

const OpenDictionary& OpenWords::dictionary()
{
    if (!m_loaded) {
        m_loaded = true;
        // A file that cannot be read leaves the folder's dictionary alone, as before.
        Result<OpenDictionary> read = OpenDictionary::load(m_path);
        if (read)
            m_dictionary = std::move(read.value());
    }
    return m_dictionary;
}

LookupResult OpenWords::lookUp(const Dictionary& folder, const QString& word)
{
    LookupResult own = folder.lookUpWord(word);
    // The folder's own, and the lookups of no word, never read the open file.
    if (own.found || word.trimmed().isEmpty())
        return own;
    LookupResult result = lookUpWithOpen(folder, dictionary(), word);
    if (result.openEntry && m_voice != nullptr)
        result.pronunciation = m_voice->transcription(result.headword);
    return result;
}

QString OpenWords::recordingFor(const QString& word)
{
    return m_voice != nullptr ? m_voice->recording(word) : QString();
}

} // namespace kelvaro
