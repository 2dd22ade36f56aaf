#include "ImportFixtures.h"

#include "import/Mp3Transcoder.h"
#include "playback/Mp3Decoder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace kelvaro;

namespace {

struct ClickCase
{
    int rate;
    int channels;
    int storedRate; // the rate the mp3 is written at
    int storedChannels;
};

class ClickPlacement : public testing::TestWithParam<ClickCase>
{
};

// A transcript's time must land on the same sample of the stored mp3 as of the source: the
// encoder's delay and padding are undone by the info tag and the player's gapless decoding.
TEST_P(ClickPlacement, AClickStaysAtItsTimeWithinAMillisecond)
{
    const ClickCase c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr double kClickSeconds = 1.2345;
    PcmSound sound = toneRecording(c.rate, c.channels, 2000, {});
    const qint64 click = qint64(kClickSeconds * c.rate);
    for (int ch = 0; ch < c.channels; ++ch)
        sound.samples[size_t(click * c.channels + ch)] = 30000;
    const QString wav = dir.filePath(QStringLiteral("click.wav"));
    const QString mp3 = dir.filePath(QStringLiteral("click.mp3"));
    ASSERT_TRUE(writeTestWav(wav, sound));
    ASSERT_TRUE(transcodeToMp3(wav, mp3).ok());

    auto decoder = Mp3Decoder::open(mp3, Mp3Decoder::Indexing::None);
    ASSERT_TRUE(decoder.ok()) << decoder.error().toStdString();
    Mp3Decoder& stored = *decoder.value();
    EXPECT_EQ(stored.format(), (AudioFormat{c.storedRate, c.storedChannels}));
    std::vector<qint16> pcm(size_t(c.storedRate) * 4 * size_t(c.storedChannels));
    const qint64 frames = stored.read(pcm.data(), qint64(c.storedRate) * 4);
    EXPECT_NEAR(double(frames) / c.storedRate, 2.0, 0.001) << "no padding at either end";
    qint64 loudest = 0;
    int peak = 0;
    for (qint64 f = 0; f < frames; ++f) {
        const int level = std::abs(int(pcm[size_t(f * c.storedChannels)]));
        if (level > peak) {
            peak = level;
            loudest = f;
        }
    }
    EXPECT_NEAR(double(loudest) / c.storedRate, kClickSeconds, 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Transcode, ClickPlacement,
    testing::Values(ClickCase{44100, 2, 44100, 2}, ClickCase{48000, 1, 48000, 1},
                    ClickCase{16000, 1, 16000, 1}, ClickCase{96000, 2, 44100, 2}),
    [](const testing::TestParamInfo<ClickCase>& info) {
        return std::to_string(info.param.rate) + "Hz_" + std::to_string(info.param.channels) + "ch";
    });

} // namespace
