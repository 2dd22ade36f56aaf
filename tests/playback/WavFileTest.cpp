#include "playback/WavFile.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray c = QByteArray(id, 4) + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}

QByteArray fmtBody(quint16 encoding, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return le16(encoding) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) +
           le16(bits);
}

QByteArray wave(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(WavFile, EveryCommonSampleEncodingBecomes16Bit)
{
    const QByteArray float32 = [] {
        QByteArray b;
        for (float v : {0.5f, -1.0f, 2.0f}) {
            quint32 raw;
            std::memcpy(&raw, &v, 4);
            b += le32(raw);
        }
        return b;
    }();
    // Extensible format: the sub-format GUID's first two bytes give the encoding.
    const QByteArray extensible = fmtBody(0xFFFE, 1, 8000, 16) + le16(22) + le16(16) + le32(0) +
                                  le16(1) + QByteArray(14, '\0');
    struct Case
    {
        const char* name;
        QByteArray fmt;
        QByteArray data;
        std::vector<qint16> samples;
    };
    const Case cases[] = {
        {"8-bit unsigned",
         fmtBody(1, 1, 8000, 8),
         QByteArray("\x80\xff\x00", 3),
         {0, 32512, -32768}},
        {"16-bit", fmtBody(1, 2, 8000, 16), le16(1) + le16(0x8000), {1, -32768}},
        {"24-bit keeps the top 16 bits",
         fmtBody(1, 1, 8000, 24),
         QByteArray("\x12\x34\x56\x00\x00\x80", 6),
         {0x5634, -32768}},
        {"32-bit", fmtBody(1, 1, 8000, 32), le32(0x7fffffff) + le32(0x00010000), {32767, 1}},
        {"32-bit float, clipped", fmtBody(3, 1, 8000, 32), float32, {16384, -32768, 32767}},
        {"extensible PCM", extensible, le16(7), {7}},
        {"a truncated last frame is dropped",
         fmtBody(1, 2, 8000, 16),
         le16(5) + le16(6) + le16(7),
         {5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // An odd-sized chunk before the format, with its pad byte, must be skipped.
        const auto sound =
            parseWav(wave(chunk("LIST", "abc") + chunk("fmt ", c.fmt) + chunk("data", c.data)),
                     QStringLiteral("x.wav"));
        ASSERT_TRUE(sound.ok()) << sound.error().toStdString();
        EXPECT_EQ(sound->format.rate, 8000);
        EXPECT_EQ(sound->samples, c.samples);
    }
}

TEST(WavFile, RefusesWhatItCannotPlayNamingTheFile)
{
    const QString path = QStringLiteral("/some/where/Word/w/walk.wav");
    const QByteArray pcm = chunk("data", le16(1));
    const QByteArray refused[] = {
        QByteArray("RIFX....WAVE"),
        wave(pcm),
        wave(chunk("fmt ", fmtBody(1, 1, 8000, 16))),
        wave(chunk("fmt ", fmtBody(2, 1, 8000, 4)) + pcm),  // ADPCM
        wave(chunk("fmt ", fmtBody(1, 1, 8000, 12)) + pcm), // odd bit depth
        wave(chunk("fmt ", fmtBody(1, 0, 8000, 16)) + pcm), // no channels
    };
    for (const QByteArray& bytes : refused) {
        const auto sound = parseWav(bytes, path);
        EXPECT_FALSE(sound.ok());
        EXPECT_TRUE(sound.error().contains(path)) << sound.error().toStdString();
    }
    EXPECT_TRUE(readWav(QStringLiteral("/no/such/file.wav"))
                    .error()
                    .contains(QStringLiteral("/no/such/file.wav")));
}

TEST(WavFile, WrittenThenReadGivesTheSameSound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take.wav"));
    const PcmSound sound{{22050, 2}, {0, 1, -1, 32767, -32768, 1234}};
    ASSERT_TRUE(writeWav(path, sound).ok());
    const auto read = readWav(path);
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->format, sound.format);
    EXPECT_EQ(read->samples, sound.samples);
    EXPECT_FALSE(writeWav(dir.filePath(QStringLiteral("no/such/folder/x.wav")), sound).ok());
}

} // namespace
} // namespace kelvaro
