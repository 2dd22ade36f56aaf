// The read-after recorder on a real sound device: a tone played into a null sink whose
// monitor, remapped as an ordinary source, is the microphone. The take must be that tone, and
// playing it from a point must report positions from that point to its end.
#include "DeviceTestHelpers.h"
#include "NullSinkServer.h"

#include "playback/QtVoiceRecorder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

namespace kelvaro {
namespace {

constexpr int kRate = 16000;

using test::processEventsFor;

TEST(VoiceRecorderDevice, TheTakeIsWhatWasHeardAndPlaysBackFromAnyPoint)
{
    const QString pacat = QStandardPaths::findExecutable(QStringLiteral("pacat"));
    const QString pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
    if (pacat.isEmpty() || pactl.isEmpty())
        GTEST_SKIP() << "pacat and pactl are not installed";
    NullSinkServer server({
        QStringLiteral("module-null-sink sink_name=speakers"),
        QStringLiteral("module-null-sink sink_name=voice rate=16000 channels=1 format=s16le"),
        // Qt offers no monitor as a microphone.
        QStringLiteral("module-remap-source master=voice.monitor source_name=mic"),
    });
    if (!server.ok())
        GTEST_SKIP() << server.why();
    qputenv("PULSE_SERVER", server.address().toUtf8());
    ASSERT_EQ(QProcess::execute(pactl, {QStringLiteral("set-default-sink"), "speakers"}), 0);
    ASSERT_EQ(QProcess::execute(pactl, {QStringLiteral("set-default-source"), "mic"}), 0);
    int argc = 1;
    char name[] = "playback_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    QtVoiceRecorder recorder;
    if (!recorder.microphoneAvailable())
        GTEST_SKIP() << "Qt lists no microphone (its sound engine started before the server)";
    recorder.open(QStringLiteral("Recorder.wav"));
    EXPECT_TRUE(recorder.take().empty());
    recorder.record();
    processEventsFor(300);

    // One second of 440 Hz into the microphone's sink.
    QByteArray tone(kRate * 2, Qt::Uninitialized);
    auto* samples = reinterpret_cast<qint16*>(tone.data());
    for (int i = 0; i < kRate; ++i)
        samples[i] = qint16(10000 * std::sin(2 * std::numbers::pi * 440 * i / kRate));
    QProcess player;
    player.start(pacat, {QStringLiteral("--playback"), QStringLiteral("--device=voice"),
                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=16000"),
                         QStringLiteral("--channels=1")});
    ASSERT_TRUE(player.waitForStarted());
    player.write(tone);
    player.closeWriteChannel();
    ASSERT_TRUE(player.waitForFinished(5000));
    processEventsFor(400);
    recorder.stop();

    const std::vector<short> take = recorder.take();
    size_t first = 0;
    while (first < take.size() && std::abs(take[first]) < 1000)
        ++first;
    size_t last = take.size();
    while (last > first && std::abs(take[last - 1]) < 1000)
        --last;
    ASSERT_LT(first, last) << "nothing was recorded (" << take.size() << " samples)";
    // On this server Qt's source delivers nothing before the first sound and loses a few
    // milliseconds of its onset (parec on the same source hears it all); the rest is whole.
    EXPECT_GT(double(last - first) / kRate, 0.9);
    EXPECT_LE(double(last - first) / kRate, 1.01);
    EXPECT_GT(test::strength(take, qint64(first), qint64(last), 440, kRate),
              50 * test::strength(take, qint64(first), qint64(last), 700, kRate));

    // From half a second in: every position reported lies between there and the end, it
    // moves on, and -1 once the take has been heard.
    const double length = double(take.size()) / kRate;
    QProcess speakers;
    speakers.start(QStandardPaths::findExecutable(QStringLiteral("parec")),
                   {QStringLiteral("--device=speakers.monitor"), QStringLiteral("--format=s16le"),
                    QStringLiteral("--rate=16000"), QStringLiteral("--channels=1"),
                    QStringLiteral("--latency-msec=10")});
    ASSERT_TRUE(speakers.waitForStarted());
    processEventsFor(300);
    recorder.playFrom(0.5);
    double lowest = 1e9;
    double highest = -1;
    bool ended = false;
    QElapsedTimer playing;
    playing.start();
    while (playing.elapsed() < 3000 + length * 1000) {
        const double at = recorder.playbackPosition();
        if (at >= 0) {
            EXPECT_GE(at, highest);
            lowest = std::min(lowest, at);
            highest = std::max(highest, at);
        } else if (highest >= 0) {
            ended = true;
            break;
        }
        processEventsFor(20);
    }
    EXPECT_GE(lowest, 0.5);
    EXPECT_LE(highest, length);
    EXPECT_GT(highest, lowest + 0.2);
    EXPECT_TRUE(ended);

    // What came out of the speakers is the tone from half a second into the take on.
    processEventsFor(300);
    speakers.terminate();
    speakers.waitForFinished(5000);
    const QByteArray raw = speakers.readAllStandardOutput();
    std::vector<short> heard(size_t(raw.size() / 2));
    std::memcpy(heard.data(), raw.constData(), heard.size() * 2);
    size_t from = 0;
    while (from < heard.size() && std::abs(heard[from]) < 1000)
        ++from;
    size_t to = heard.size();
    while (to > from && std::abs(heard[to - 1]) < 1000)
        --to;
    ASSERT_LT(from, to) << "nothing was heard";
    EXPECT_NEAR(double(to - from) / kRate,
                double(last - first) / kRate - (0.5 - double(first) / kRate), 0.03);
}

} // namespace
} // namespace kelvaro
