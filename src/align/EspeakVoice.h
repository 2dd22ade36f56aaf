#pragma once

#include "content/Result.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace kelvaro {

/// How espeak-ng speaks: the aligner's steady reference voice unless a test asks for another.
struct EspeakVoice
{
    QByteArray name = "en-us"; ///< an espeak-ng voice, with "+variant" if wanted
    int wordsPerMinute = 165;
    int pitch = 50; ///< espeak-ng's 0..100
};

/// The samples rate of speakEnglish.
constexpr int kSpokenRate = 16000;

/// text read aloud by espeak-ng's library in voice, as mono samples at kSpokenRate, its own lead
/// and tail silences kept. One text is spoken at a time in the process (the library is not
/// reentrant). Refused with a Chinese message when espeak-ng or its voice cannot be had.
Result<std::vector<float>> speakEnglish(const QString& text, const EspeakVoice& voice = {});

/// text's IPA transcription by espeak-ng's library in voice's language, stress marks kept
/// ("həlˈəʊ"); blanks between words. Refused with a Chinese message like speakEnglish.
Result<QString> transcribeEnglish(const QString& text, const EspeakVoice& voice = {});

} // namespace kelvaro
