#include "WavFile.h"

#include "playback/WavFile.h"

#include <QtEndian>

#include <cstdlib>

namespace kelvaro {

Result<MonoSound> parseMonoWav(const QByteArray& bytes, const QString& name)
{
    Result<PcmSound> read = kelvaro::parseWav(bytes, name);
    if (!read)
        return Error{read.error()};
    if (read->format.channels != 1) {
        return Error{QStringLiteral("The sound \"%1\" is not mono: it has %2 channels.")
                         .arg(name)
                         .arg(read->format.channels)};
    }
    MonoSound sound;
    sound.sampleRate = read->format.rate;
    sound.samples = QVector<qint16>(read->samples.cbegin(), read->samples.cend());
    return sound;
}

QByteArray wavBytes(const MonoSound& sound)
{
    const quint32 dataSize = quint32(sound.samples.size() * 2);
    QByteArray bytes(44 + qsizetype(dataSize), Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, out + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian<quint16>(v, out + at); };
    memcpy(out, "RIFF", 4);
    put32(4, 36 + dataSize);
    memcpy(out + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1); // PCM
    put16(22, 1); // mono
    put32(24, quint32(sound.sampleRate));
    put32(28, quint32(sound.sampleRate) * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(out + 36, "data", 4);
    put32(40, dataSize);
    for (qsizetype i = 0; i < sound.samples.size(); ++i)
        qToLittleEndian<qint16>(sound.samples[i], out + 44 + 2 * i);
    return bytes;
}

SampleSpan audibleSpan(const QVector<qint16>& samples, int threshold)
{
    auto loud = [threshold](qint16 s) { return std::abs(int(s)) > threshold; };
    qsizetype first = 0;
    while (first < samples.size() && !loud(samples[first]))
        ++first;
    if (first == samples.size())
        return {};
    qsizetype end = samples.size();
    while (!loud(samples[end - 1]))
        --end;
    return {first, end};
}

MonoSound trimmedSound(const MonoSound& sound, int threshold, qsizetype padding)
{
    const SampleSpan span = audibleSpan(sound.samples, threshold);
    MonoSound trimmed;
    trimmed.sampleRate = sound.sampleRate;
    trimmed.samples.fill(0, span.size() + 2 * padding);
    std::copy(sound.samples.cbegin() + span.first, sound.samples.cbegin() + span.end,
              trimmed.samples.begin() + padding);
    return trimmed;
}

} // namespace kelvaro
