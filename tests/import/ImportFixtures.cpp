#include "ImportFixtures.h"

#include "playback/WavFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cmath>
#include <numbers>

namespace kelvaro {

PcmSound toneRecording(int rate, int channels, qint64 lengthMs,
                       const std::vector<std::pair<qint64, qint64>>& tones)
{
    PcmSound sound;
    sound.format = AudioFormat{rate, channels};
    const qint64 frames = lengthMs * rate / 1000;
    sound.samples.resize(size_t(frames * channels));
    quint32 noise = 12345;
    for (qint64 f = 0; f < frames; ++f) {
        const qint64 ms = f * 1000 / rate;
        noise = noise * 1664525u + 1013904223u;
        double value = double(int(noise >> 24) - 128) / 8; // about -70 dBFS
        for (const auto& [begin, end] : tones) {
            if (ms >= begin && ms < end)
                value = 8000 * std::sin(2 * std::numbers::pi * 440 * double(f) / rate);
        }
        for (int c = 0; c < channels; ++c)
            sound.samples[size_t(f * channels + c)] = qint16(value);
    }
    return sound;
}

bool writeTestWav(const QString& path, const PcmSound& sound)
{
    return writeWav(path, sound).ok();
}

QByteArray folderDigest(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& path : files) {
        hash.addData(path.toUtf8());
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(file.readAll());
    }
    return hash.result().toHex();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace kelvaro
