#include "AudioTestFiles.h"

#include "playback/Mp3Decoder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace kelvaro::test {

QString audioCache()
{
    return QStringLiteral(KELVARO_AUDIO_CACHE);
}

PcmSound synthesize(const ToneRecording& recording)
{
    PcmSound sound;
    sound.format = AudioFormat{recording.rate, recording.channels};
    const qint64 frames = framesAt(recording.bounds.back(), recording.rate);
    sound.samples.resize(size_t(frames * recording.channels));
    int sentence = 0;
    double phase = 0;
    for (qint64 i = 0; i < frames; ++i) {
        while (sentence + 2 < int(recording.bounds.size()) &&
               i >= framesAt(recording.bounds[size_t(sentence) + 1], recording.rate))
            ++sentence;
        // A continuous phase keeps the joins click-free; a slow second tone keeps the
        // signal from repeating, so a shift by any number of samples shows.
        phase += 2 * std::numbers::pi * ToneRecording::frequency(sentence) / recording.rate;
        const double t = double(i) / recording.rate;
        const double value =
            0.3 * std::sin(phase) + 0.1 * std::sin(2 * std::numbers::pi * 37.3 * t);
        for (int c = 0; c < recording.channels; ++c)
            sound.samples[size_t(i * recording.channels + c)] =
                qint16(std::lround(value * (c == 0 ? 32767 : 24000)));
    }
    return sound;
}

QString mp3File(const ToneRecording& recording)
{
    const QString lame = QStandardPaths::findExecutable(QStringLiteral("lame"));
    if (lame.isEmpty())
        return {};
    QByteArray key = QByteArray::number(recording.rate) + ' ' +
                     QByteArray::number(recording.channels) + (recording.vbr ? " vbr" : " cbr");
    for (double bound : recording.bounds)
        key += ' ' + QByteArray::number(bound, 'g', 17);
    const QString name =
        QStringLiteral("tones-%1.mp3")
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16)));
    QDir().mkpath(audioCache());
    const QString path = audioCache() + u'/' + name;
    if (QFile::exists(path))
        return path;

    const PcmSound sound = synthesize(recording);
    const QString kHz = QString::number(recording.rate / 1000.0);
    const QString temporary =
        path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    QStringList args = {QStringLiteral("-r"),
                        QStringLiteral("-s"),
                        kHz,
                        QStringLiteral("--bitwidth"),
                        QStringLiteral("16"),
                        QStringLiteral("--signed"),
                        QStringLiteral("--little-endian"),
                        QStringLiteral("-m"),
                        recording.channels == 1 ? QStringLiteral("m") : QStringLiteral("j"),
                        QStringLiteral("--resample"),
                        kHz,
                        QStringLiteral("--quiet")};
    if (recording.vbr)
        args << QStringLiteral("-V") << QStringLiteral("4");
    else
        args << QStringLiteral("--cbr") << QStringLiteral("-b")
             << (recording.rate > 24000 ? QStringLiteral("128") : QStringLiteral("64"));
    args << QStringLiteral("-") << temporary;
    QProcess encoder;
    encoder.start(lame, args);
    if (!encoder.waitForStarted())
        return {};
    const char* bytes = reinterpret_cast<const char*>(sound.samples.data());
    const qint64 total = qint64(sound.samples.size() * sizeof(qint16));
    for (qint64 at = 0; at < total;) {
        const qint64 written = encoder.write(bytes + at, std::min<qint64>(total - at, 1 << 20));
        if (written <= 0 || !encoder.waitForBytesWritten(60000))
            return {};
        at += written;
    }
    encoder.closeWriteChannel();
    if (!encoder.waitForFinished(600000) || encoder.exitCode() != 0)
        return {};
    // Several test processes may make the same file at once: the rename makes it whole.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return {};
    return path;
}

PcmSound decodeWhole(const QString& path, qint64 maxFrames)
{
    auto decoder = Mp3Decoder::open(path, Mp3Decoder::Indexing::None);
    PcmSound sound;
    if (!decoder)
        return sound;
    sound.format = decoder.value()->format();
    const int channels = sound.format.channels;
    constexpr qint64 kChunk = 1 << 20;
    qint64 frames = 0;
    for (;;) {
        const qint64 want = maxFrames < 0 ? kChunk : std::min(kChunk, maxFrames - frames);
        if (want <= 0)
            break;
        sound.samples.resize(size_t((frames + want) * channels));
        const qint64 got = decoder.value()->read(sound.samples.data() + frames * channels, want);
        frames += got;
        if (got < want)
            break;
    }
    sound.samples.resize(size_t(frames * channels));
    return sound;
}

} // namespace kelvaro::test
