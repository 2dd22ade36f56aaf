#include "ImportFixtures.h"

#include "import/Mp3Transcoder.h"
#include "playback/Mp3Decoder.h"

#include <QProcess>
#include <QStandardPaths>
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

// The sound of a video (or of an audio file in a video's container) becomes the lesson's
// recording: the stream is found among the others, and a lossy codec's priming is undone, so a
// sentence's time still lands on its sound.
TEST(Transcode, TheSoundOfAVideoKeepsItsTimes)
{
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        GTEST_SKIP() << "ffmpeg (scripts/setup.sh installs it) makes the videos";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr int kRate = 48000;
    // A tone burst from 1.2 s to 1.6 s in 2.5 s of near silence.
    const PcmSound sound = toneRecording(kRate, 2, 2500, {{1200, 1600}});
    const QString wav = dir.filePath(QStringLiteral("talk.wav"));
    ASSERT_TRUE(writeTestWav(wav, sound));

    struct Case
    {
        const char* file;
        QStringList codecs;
    };
    const Case cases[] = {
        {"episode.mp4", {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"}},
        {"episode.mkv", {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "flac"}},
        {"episode.webm", {"-c:v", "libvpx-vp9", "-c:a", "libopus"}},
        {"sound-only.m4a", {"-vn", "-c:a", "aac"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString video = dir.filePath(QString::fromLatin1(c.file));
        QStringList args = {
            "-loglevel", "error", "-y", "-f", "lavfi", "-i", "color=c=blue:s=64x48:r=5", "-i", wav};
        args << c.codecs << QStringLiteral("-shortest") << video;
        QProcess make;
        make.start(ffmpeg, args);
        ASSERT_TRUE(make.waitForFinished(60000));
        ASSERT_EQ(make.exitCode(), 0) << make.readAllStandardError().toStdString();

        const QString mp3 = dir.filePath(QString::fromLatin1(c.file) + QStringLiteral(".mp3"));
        const Status made = transcodeToMp3(video, mp3);
        ASSERT_TRUE(made.ok()) << made.error().toStdString();
        auto decoder = Mp3Decoder::open(mp3, Mp3Decoder::Indexing::None);
        ASSERT_TRUE(decoder.ok()) << decoder.error().toStdString();
        Mp3Decoder& stored = *decoder.value();
        const int rate = stored.format().rate;
        const int channels = stored.format().channels;
        std::vector<qint16> pcm(size_t(rate) * 4 * size_t(channels));
        const qint64 frames = stored.read(pcm.data(), qint64(rate) * 4);
        // The video's last frame may end the file a little early or late: -shortest cuts at a
        // frame of 200 ms.
        EXPECT_NEAR(double(frames) / rate, 2.5, 0.21);
        qint64 onset = -1;
        qint64 offset = -1;
        for (qint64 f = 0; f < frames; ++f) {
            if (std::abs(int(pcm[size_t(f * channels)])) > 3000) {
                if (onset < 0)
                    onset = f;
                offset = f;
            }
        }
        EXPECT_NEAR(double(onset) / rate, 1.2, 0.005);
        EXPECT_NEAR(double(offset) / rate, 1.6, 0.005);
    }
}

} // namespace
