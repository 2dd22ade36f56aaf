// The lesson player on a real sound device: a PulseAudio null sink whose monitor is
// recorded. What was recorded must be the sentence, whole, and nothing of its neighbours.
#include "AudioTestFiles.h"
#include "DeviceTestHelpers.h"
#include "NullSinkServer.h"

#include "playback/LessonPlayer.h"
#include "playback/QtAudioOutput.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace kelvaro {
namespace {

constexpr int kRate = 44100;

using test::processEventsFor;

TEST(DeviceRecording, TheSinkHearsTheWholeSentenceAndNothingOfItsNeighbours)
{
    const test::ToneRecording recording{kRate, 1, false, {0.0, 1.0, 1.6, 2.2, 3.0}};
    const QString mp3 = test::mp3File(recording);
    if (mp3.isEmpty())
        GTEST_SKIP() << "lame is not installed: no test recordings";
    NullSinkServer server({QStringLiteral("module-null-sink sink_name=lesson rate=%1 channels=1 "
                                          "format=s16le")
                               .arg(kRate)});
    if (!server.ok())
        GTEST_SKIP() << server.why();
    qputenv("PULSE_SERVER", server.address().toUtf8());
    int argc = 1;
    char name[] = "playback_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        GTEST_SKIP() << "Qt lists no sound device (its sound engine started before the server)";

    QProcess recorder;
    recorder.start(QStandardPaths::findExecutable(QStringLiteral("parec")),
                   {QStringLiteral("--server=") + server.address(),
                    QStringLiteral("--device=lesson.monitor"), QStringLiteral("--format=s16le"),
                    QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--channels=1"),
                    QStringLiteral("--latency-msec=10")});
    ASSERT_TRUE(recorder.waitForStarted());
    processEventsFor(300);

    auto output = std::make_unique<QtAudioOutput>(device, 100);
    QtAudioOutput& sink = *output;
    LessonPlayer player(std::move(output));
    player.setFile(mp3);
    player.setVolume(100);
    // The window's reading: seek, play, poll every 10 ms, pause once past the end.
    player.setEndFence(1.6);
    player.setPosition(1.0);
    player.play();
    QElapsedTimer reading;
    reading.start();
    while (!(player.position() > 1.6) && reading.elapsed() < 5000)
        processEventsFor(10);
    player.pause();
    EXPECT_FALSE(sink.fellBack());
    EXPECT_GT(player.position(), 1.6);
    processEventsFor(400);
    recorder.terminate();
    recorder.waitForFinished(5000);

    const QByteArray raw = recorder.readAllStandardOutput();
    std::vector<qint16> heard(size_t(raw.size() / 2));
    std::memcpy(heard.data(), raw.constData(), heard.size() * 2);
    qint64 first = 0;
    while (first < qint64(heard.size()) && std::abs(heard[size_t(first)]) < 64)
        ++first;
    qint64 last = qint64(heard.size()) - 1;
    while (last > first && std::abs(heard[size_t(last)]) < 64)
        --last;
    ASSERT_LT(first, last) << "nothing was recorded (" << heard.size() << " samples)";

    // The sentence is 0.6 s: all of it, give or take the near-silent edges of the tones.
    const double seconds = double(last + 1 - first) / kRate;
    EXPECT_NEAR(seconds, 0.6, 0.003);
    // Its own tone, and none of the sentences before and after it.
    const double own =
        test::strength(heard, first, last + 1, test::ToneRecording::frequency(1), kRate);
    for (int neighbour : {0, 2}) {
        const double other = test::strength(heard, first, last + 1,
                                            test::ToneRecording::frequency(neighbour), kRate);
        EXPECT_LT(other, own / 50) << "sentence " << neighbour + 1 << "'s tone was heard";
    }
    // And the samples are the decoder's, one for one.
    const PcmSound whole = test::decodeWhole(mp3);
    const qint64 from = framesAt(1.0, kRate);
    qint64 differing = 0;
    for (qint64 i = 0; i < std::min<qint64>(last + 1 - first, 26460); ++i)
        differing += std::abs(heard[size_t(first + i)] - whole.samples[size_t(from + i)]) > 2;
    EXPECT_EQ(differing, 0);
}

} // namespace
} // namespace kelvaro
