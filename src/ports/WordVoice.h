#pragma once

#include <QString>

namespace kelvaro {

/// A voice for words that the program folder has no recording of.
class WordVoice
{
public:
    virtual ~WordVoice() = default;
    /// The word's IPA transcription; empty when the voice cannot give one.
    virtual QString transcription(const QString& word) = 0;
    /// A wave file of the word spoken, for the word player; empty when it cannot be made.
    virtual QString recording(const QString& word) = 0;
};

} // namespace kelvaro
