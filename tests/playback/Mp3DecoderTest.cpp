#include "AudioTestFiles.h"
#include "SampleCompare.h"

#include "playback/Mp3Decoder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

using test::ToneRecording;

const std::vector<double> kBounds = {0.0, 0.7, 1.6, 2.4};

const ToneRecording kRecordings[] = {
    {44100, 1, false, kBounds},
    {44100, 2, true, kBounds},
    {22050, 1, true, kBounds},
    {22050, 2, false, kBounds},
};

std::string describe(const ToneRecording& r)
{
    return std::to_string(r.rate) + " Hz, " + std::to_string(r.channels) + " channel(s), " +
           (r.vbr ? "VBR" : "CBR");
}

TEST(Mp3Decoder, GivesTheEncodedSamplesAtTheirOwnRateWithoutEncoderDelayOrPadding)
{
    for (const ToneRecording& recording : kRecordings) {
        SCOPED_TRACE(describe(recording));
        const QString path = test::mp3File(recording);
        if (path.isEmpty())
            GTEST_SKIP() << "lame is not installed: no test recordings";
        auto decoder = Mp3Decoder::open(path);
        ASSERT_TRUE(decoder.ok()) << decoder.error().toStdString();
        decoder.value()->waitForIndex();
        EXPECT_TRUE(decoder.value()->indexed());
        EXPECT_EQ(decoder.value()->format(), (AudioFormat{recording.rate, recording.channels}));
        const PcmSound source = test::synthesize(recording);
        EXPECT_EQ(decoder.value()->length(), source.frames());
        EXPECT_EQ(test::decodeWhole(path).frames(), source.frames());

        // Gapless: the decoded tone lines up with the one encoded. A shift by the encoder's
        // delay (hundreds of frames) would turn the correlation around.
        const PcmSound whole = test::decodeWhole(path);
        double aligned = 0;
        double energy = 0;
        for (qint64 i = 0; i < whole.frames(); ++i) {
            const double a = whole.samples[size_t(i * recording.channels)];
            const double b = source.samples[size_t(i * recording.channels)];
            aligned += a * b;
            energy += b * b;
        }
        EXPECT_GT(aligned / energy, 0.9);
    }
}

TEST(Mp3Decoder, SeeksLandOnTheExactFrameWithAndWithoutTheIndex)
{
    for (const ToneRecording& recording : kRecordings) {
        SCOPED_TRACE(describe(recording));
        const QString path = test::mp3File(recording);
        if (path.isEmpty())
            GTEST_SKIP() << "lame is not installed: no test recordings";
        const PcmSound whole = test::decodeWhole(path);
        auto indexed = std::move(Mp3Decoder::open(path)).value();
        indexed->waitForIndex();
        auto unindexed = std::move(Mp3Decoder::open(path, Mp3Decoder::Indexing::None)).value();
        const qint64 last = whole.frames() - 1;
        // Frame boundaries of either MPEG version and their neighbours, backwards and forwards.
        const qint64 targets[] = {52919, 1152,  1151,  0,    576,   575,
                                  1153,  40000, 12345, last, 30000, 1};
        for (qint64 target : targets) {
            SCOPED_TRACE(target);
            const qint64 count = std::min<qint64>(2000, whole.frames() - target);
            for (Mp3Decoder* decoder : {indexed.get(), unindexed.get()}) {
                ASSERT_TRUE(decoder->seek(target));
                EXPECT_EQ(decoder->tell(), target);
                PcmSound got{whole.format, std::vector<qint16>(size_t(count * recording.channels))};
                EXPECT_EQ(decoder->read(got.samples.data(), count), count);
                EXPECT_TRUE(test::sameFrames(got, whole, target, count));
            }
        }
        // The very end: nothing more to read, and nothing past it to seek to.
        std::vector<qint16> buffer(64 * size_t(recording.channels));
        ASSERT_TRUE(indexed->seek(whole.frames()));
        EXPECT_EQ(indexed->read(buffer.data(), 64), 0);
        EXPECT_FALSE(indexed->seek(whole.frames() + 1));
    }
}

TEST(Mp3Decoder, AFileThatIsNotAnMp3IsRefusedByName)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.mp3"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("these are not the frames you are looking for\n").repeated(50));
    file.close();
    const QString empty = dir.filePath(QStringLiteral("empty.mp3"));
    QFile(empty).open(QIODevice::WriteOnly);
    for (const QString& path : {text, empty, dir.filePath(QStringLiteral("missing.mp3"))}) {
        const auto decoder = Mp3Decoder::open(path);
        EXPECT_FALSE(decoder.ok());
        EXPECT_TRUE(decoder.error().contains(path)) << decoder.error().toStdString();
    }
}

} // namespace
} // namespace kelvaro
