#pragma once

// Speech in wave files for the analysis tests and kelvaro-pitch-agreement: readings made with
// espeak-ng, and any recording analysed as the read-after tab analyses a reading.
#include "analysis/VoiceAnalysis.h"
#include "playback/WavFile.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kelvaro::test {

/// Reads text aloud with espeak-ng into the wave file wav, in voice at speed words a minute
/// (0: espeak-ng's own pace); false when espeak-ng is missing or failed.
inline bool speakWithEspeak(const QString& text, const QString& voice, int speed,
                            const QString& wav)
{
    QStringList args{QStringLiteral("-v"), voice, QStringLiteral("-w"), wav};
    if (speed > 0)
        args << QStringLiteral("-s") << QString::number(speed);
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), args << QStringLiteral("--") << text);
    return espeak.waitForFinished(30000) && espeak.exitStatus() == QProcess::NormalExit &&
           espeak.exitCode() == 0;
}

/// The wave file's analysis; an empty track when it cannot be read.
inline VoiceTrack analysedWav(const QString& wav, VoiceReading reading = VoiceReading::Take)
{
    const Result<PcmSound> sound = readWav(wav);
    if (!sound)
        return {};
    return analyseVoice(voiceSignal(sound->samples, sound->format.channels, sound->format.rate),
                        reading);
}

} // namespace kelvaro::test
