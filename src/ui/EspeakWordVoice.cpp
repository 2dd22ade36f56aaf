#include "EspeakWordVoice.h"

#include "align/EspeakVoice.h"
#include "playback/WavFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

// A clear voice at a learner's pace: slower than the aligner's reference voice.
EspeakVoice learnerVoice()
{
    EspeakVoice voice;
    voice.name = "en-us";
    voice.wordsPerMinute = 135;
    return voice;
}

// A word's file name that no spelling can turn into a path outside the folder.
QString fileNameFor(const QString& word)
{
    return QString::fromLatin1(
               QCryptographicHash::hash(word.toUtf8(), QCryptographicHash::Sha1).toHex().left(16)) +
           QStringLiteral(".wav");
}

} // namespace

EspeakWordVoice::EspeakWordVoice(QString folder) : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = QDir::temp().filePath(
            QStringLiteral("kelvaro-player-words-%1").arg(QString::fromLatin1(qgetenv("USER"))));
}

QString EspeakWordVoice::transcription(const QString& word)
{
    if (word.trimmed().isEmpty())
        return {};
    const auto known = m_transcriptions.constFind(word);
    if (known != m_transcriptions.constEnd())
        return *known;
    const Result<QString> ipa = transcribeEnglish(word, learnerVoice());
    const QString text = ipa ? ipa.value() : QString();
    m_transcriptions.insert(word, text);
    return text;
}

QString EspeakWordVoice::recording(const QString& word)
{
    if (word.trimmed().isEmpty())
        return {};
    const QString path = QDir(m_folder).filePath(fileNameFor(word));
    if (QFileInfo(path).isFile())
        return path;
    const Result<std::vector<float>> spoken = speakEnglish(word, learnerVoice());
    if (!spoken || !QDir().mkpath(m_folder))
        return {};
    PcmSound sound;
    sound.format = AudioFormat{kSpokenRate, 1};
    sound.samples.reserve(spoken->size());
    for (float sample : spoken.value())
        sound.samples.push_back(qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f)));
    if (!writeWav(path, sound))
        return {};
    return path;
}

} // namespace kelvaro
