#include "WavFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kelvaro {

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

Error refused(const QString& path, const QString& what)
{
    return Error{QStringLiteral("The sound \"%1\" cannot be played: %2.").arg(path, what)};
}

quint16 u16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

// Clamped before it is rounded: a sample far beyond full scale (or infinite) has no long to
// round to and came out as negative full scale. A sample that is no number is silence.
qint16 clampToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    return qint16(std::lround(std::clamp(value * 32768.0, -32768.0, 32767.0)));
}

// One sample of the given encoding as 16-bit: integer formats keep their top 16 bits.
qint16 convert(const char* p, quint16 encoding, int bits)
{
    if (encoding == kFloat) {
        if (bits == 32) {
            float value;
            const quint32 raw = u32(p);
            std::memcpy(&value, &raw, sizeof value);
            return clampToInt16(value);
        }
        double value;
        const quint64 raw = qFromLittleEndian<quint64>(p);
        std::memcpy(&value, &raw, sizeof value);
        return clampToInt16(value);
    }
    switch (bits) {
    case 8:
        return qint16((int(quint8(p[0])) - 128) * 256); // 8-bit wave samples are unsigned
    case 16:
        return qint16(u16(p));
    case 24:
        return qint16(u16(p + 1));
    default:
        return qint16(u16(p + 2));
    }
}

} // namespace

Result<PcmSound> parseWav(const QByteArray& bytes, const QString& path)
{
    const char* data = bytes.constData();
    const qint64 size = bytes.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return refused(path, QStringLiteral("not a RIFF wave file"));

    quint16 encoding = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
    const char* samples = nullptr;
    qint64 sampleBytes = 0;
    // Walk the chunks; each is padded to an even length. A truncated data chunk is read
    // as far as it goes, as players commonly do.
    for (qint64 at = 12; at + 8 <= size;) {
        const char* chunk = data + at;
        const qint64 length = u32(chunk + 4);
        const qint64 body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && length >= 16 && body + 16 <= size) {
            encoding = u16(chunk + 8);
            channels = u16(chunk + 10);
            rate = int(u32(chunk + 12));
            blockAlign = u16(chunk + 20);
            bits = u16(chunk + 22);
            if (encoding == kExtensible && length >= 40 && body + 40 <= size)
                encoding = u16(chunk + 32); // the first two bytes of the sub-format GUID
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            samples = data + body;
            sampleBytes = std::min(length, size - body);
            break;
        }
        at = body + length + (length & 1);
    }
    if (channels == 0)
        return refused(path, QStringLiteral("no format chunk"));
    if (samples == nullptr)
        return refused(path, QStringLiteral("no data chunk"));
    const bool integer = encoding == kPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floating = encoding == kFloat && (bits == 32 || bits == 64);
    if (!integer && !floating)
        return refused(path, QStringLiteral("encoding %1 with %2-bit samples is not supported")
                                 .arg(encoding)
                                 .arg(bits));
    if (rate <= 0 || channels > 8 || blockAlign != channels * bits / 8)
        return refused(path, QStringLiteral("a damaged format chunk"));

    PcmSound sound;
    sound.format = AudioFormat{rate, channels};
    const qint64 frames = sampleBytes / blockAlign;
    sound.samples.resize(size_t(frames * channels));
    const int step = bits / 8;
    for (qint64 i = 0; i < frames * channels; ++i)
        sound.samples[size_t(i)] = convert(samples + i * step, encoding, bits);
    return sound;
}

Result<PcmSound> readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(path, file.errorString());
    return parseWav(file.readAll(), path);
}

Status writeWav(const QString& path, const PcmSound& sound)
{
    const quint32 dataBytes = quint32(sound.samples.size() * sizeof(qint16));
    const quint16 channels = quint16(sound.format.channels);
    QByteArray header(44, '\0');
    char* h = header.data();
    std::memcpy(h, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, h + 4);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, h + 16);
    qToLittleEndian<quint16>(kPcm, h + 20);
    qToLittleEndian<quint16>(channels, h + 22);
    qToLittleEndian<quint32>(quint32(sound.format.rate), h + 24);
    qToLittleEndian<quint32>(quint32(sound.format.rate) * channels * 2, h + 28);
    qToLittleEndian<quint16>(quint16(channels * 2), h + 32);
    qToLittleEndian<quint16>(16, h + 34);
    std::memcpy(h + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, h + 40);

    QByteArray body(qsizetype(dataBytes), '\0');
    qToLittleEndian<qint16>(sound.samples.data(), qsizetype(sound.samples.size()), body.data());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size() ||
        file.write(body) != body.size() || !file.commit())
        return Status::failure(QStringLiteral("The sound \"%1\" cannot be written: %2.")
                                   .arg(path, file.errorString()));
    return Status::success();
}

} // namespace kelvaro
