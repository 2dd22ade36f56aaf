#include "WavFile.h"

#include <QtEndian>

#include <cstdlib>

namespace kelvaro {

Result<MonoSound> parseWav(const QByteArray& bytes, const QString& name)
{
    auto fault = [&](const QString& what) { return Error{name + QStringLiteral(": ") + what}; };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fault(QStringLiteral("not a wave file"));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    bool haveFormat = false;
    MonoSound sound;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        // Streaming writers leave the size at its maximum: take what is there.
        const qsizetype size =
            std::min<qsizetype>(qFromLittleEndian<quint32>(data + pos + 4), bytes.size() - pos - 8);
        const qsizetype body = pos + 8;
        if (id == "fmt " && size >= 16) {
            const int format = qFromLittleEndian<quint16>(data + body);
            const int channels = qFromLittleEndian<quint16>(data + body + 2);
            const int bits = qFromLittleEndian<quint16>(data + body + 14);
            if (format != 1 || channels != 1 || bits != 16) {
                return fault(QStringLiteral("expected 16-bit mono PCM, found format %1, %2 "
                                            "channel(s), %3 bits")
                                 .arg(format)
                                 .arg(channels)
                                 .arg(bits));
            }
            sound.sampleRate = int(qFromLittleEndian<quint32>(data + body + 4));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fault(QStringLiteral("data before the format chunk"));
            sound.samples.resize(size / 2);
            for (qsizetype i = 0; i < sound.samples.size(); ++i)
                sound.samples[i] = qFromLittleEndian<qint16>(data + body + 2 * i);
            return sound;
        }
        pos = body + size + (size & 1);
    }
    return fault(QStringLiteral("no sound data"));
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
