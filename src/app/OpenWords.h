#pragma once

#include "content/Dictionary.h"
#include "content/OpenDictionary.h"
#include "ports/WordVoice.h"

#include <QString>

#include <memory>

namespace kelvaro {

/// The open sources behind the program folder's dictionary and word recordings: the open
/// dictionary file, read on its first use (never at start-up), and a voice for the words the
/// folder has no recording of. Without them (tests, a build without the file) every lookup
/// and every word sounds as the folder alone gives it.
class OpenWords
{
public:
    OpenWords() = default;
    OpenWords(const OpenWords&) = delete;
    OpenWords& operator=(const OpenWords&) = delete;

    /// The open dictionary file to read on first use (empty: none) and the voice (may be null).
    void attach(const QString& dictionaryPath, WordVoice* voice);
    /// An open dictionary that is already there (tests, tools), and the voice.
    void attach(OpenDictionary dictionary, WordVoice* voice);

    /// The open dictionary, read now if it was not; empty when there is none.
    const OpenDictionary& dictionary();
    bool loaded() const { return m_loaded; }

    /// lookUpWithOpen() of word, the open entry transcribed by the voice. A word the folder
    /// finds does not read the open dictionary.
    LookupResult lookUp(const Dictionary& folder, const QString& word);

    /// A recording of word by the voice, for a word without its own; empty when none.
    QString recordingFor(const QString& word);

private:
    QString m_path;
    bool m_loaded = true;
    OpenDictionary m_dictionary;
    WordVoice* m_voice = nullptr;
};

} // namespace kelvaro
