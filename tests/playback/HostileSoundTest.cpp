// Sound inputs the fuzzers found wrong or that sit at the edge of what a file can say; each
// is kept under tests/data/fuzz/.
#include "AudioTestFiles.h"

#include "playback/SegmentRenderer.h"
#include "playback/WavFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace kelvaro {
namespace {

const QString kFuzzData = QStringLiteral(KELVARO_TEST_DATA "/fuzz");
const QString kRecording = QStringLiteral(KELVARO_TEST_DATA "/folder/Sound/Kelvaro/1.mp3");

// The two times of a segment fuzzer input.
std::pair<double, double> segmentTimes(const QString& name)
{
    QFile file(kFuzzData + QStringLiteral("/segment/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QByteArray bytes = file.readAll();
    double times[2] = {0, 0};
    std::memcpy(times, bytes.constData(), std::min<size_t>(size_t(bytes.size()), sizeof times));
    return {times[0], times[1]};
}

// Infinite and far out-of-range float samples came out as negative full scale.
TEST(HostileSound, FloatSamplesBeyondFullScaleClipOnTheirOwnSide)
{
    const auto sound = readWav(kFuzzData + QStringLiteral("/wav/float-beyond-full-scale.wav"));
    ASSERT_TRUE(sound.ok()) << sound.error().toStdString();
    // +inf, 1e30, NaN, -inf, -1e30
    EXPECT_EQ(sound->samples, (std::vector<qint16>{32767, 32767, 0, -32768, -32768}));
}

TEST(HostileSound, FramesAtSaturatesTimesNoRecordingReaches)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(framesAt(1e300, 44100), kMaxFrameNumber);
    EXPECT_EQ(framesAt(inf, 44100), kMaxFrameNumber);
    EXPECT_EQ(framesAt(-inf, 44100), -kMaxFrameNumber);
    EXPECT_EQ(framesAt(std::nan(""), 44100), 0);
    EXPECT_EQ(framesAt(1.5, 44100), 66150);
}

// A start time far past the end wrapped round to a negative frame and played the recording
// from its beginning; an end time far past it lost the fence.
TEST(HostileSound, SegmentTimesFarOutsideTheRecording)
{
    const auto whole = renderSegment(kRecording, 0, -1);
    ASSERT_TRUE(whole.ok()) << whole.error().toStdString();
    ASSERT_GT(whole->frames(), 0);
    struct Case
    {
        const char* input;
        qint64 frames;
    };
    const Case cases[] = {
        {"huge-start", 0},   {"huge-end", whole->frames()}, {"not-a-number", 0},
        {"past-the-end", 0}, {"end-before-start", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const auto [start, end] = segmentTimes(QString::fromLatin1(c.input));
        const auto sound = renderSegment(kRecording, start, end);
        ASSERT_TRUE(sound.ok()) << sound.error().toStdString();
        EXPECT_EQ(sound->frames(), c.frames);
    }
}

} // namespace
} // namespace kelvaro
