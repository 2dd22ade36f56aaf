// The sound engine's speed on a half-hour recording (44.1 kHz stereo VBR, made once with
// lame and kept in the temporary folder): opening and indexing it, the time from a sentence
// start to its first sample going to the output, and the CPU share of playing.
#include "playback/LessonPlayer.h"
#include "playback/Mp3Decoder.h"
#include "playback/NullAudioOutput.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <thread>
#include <vector>

using namespace kelvaro;

namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 1800;

// Empty when lame is missing or fails.
QString halfHourRecording()
{
    static const QString path = [] {
        const QString folder = QDir::tempPath() + QStringLiteral("/kelvaro-bench-audio");
        const QString file = folder + QStringLiteral("/half-hour-44k-stereo-vbr.mp3");
        if (QFile::exists(file))
            return file;
        const QString lame = QStandardPaths::findExecutable(QStringLiteral("lame"));
        if (lame.isEmpty())
            return QString();
        QDir().mkpath(folder);
        std::fprintf(stderr, "making %s once (about half a minute)...\n", qPrintable(file));
        const QString part = file + QStringLiteral(".part");
        QProcess encoder;
        encoder.start(lame,
                      {QStringLiteral("-r"), QStringLiteral("-s"), QStringLiteral("44.1"),
                       QStringLiteral("--bitwidth"), QStringLiteral("16"),
                       QStringLiteral("--signed"), QStringLiteral("--little-endian"),
                       QStringLiteral("-m"), QStringLiteral("j"), QStringLiteral("-V"),
                       QStringLiteral("2"), QStringLiteral("--quiet"), QStringLiteral("-"), part});
        if (!encoder.waitForStarted())
            return QString();
        // Speech-like: a tone that changes every 2.5 s, a new "sentence" each time.
        std::vector<qint16> second(size_t(kRate) * 2);
        double phase = 0;
        for (int s = 0; s < int(kSeconds); ++s) {
            for (int i = 0; i < kRate; ++i) {
                const double t = s + double(i) / kRate;
                phase += 2 * std::numbers::pi * (250.0 + 40.0 * (int(t / 2.5) % 13)) / kRate;
                const auto value = qint16(std::lround(9000 * std::sin(phase)));
                second[size_t(i) * 2] = value;
                second[size_t(i) * 2 + 1] = qint16(value / 2);
            }
            encoder.write(reinterpret_cast<const char*>(second.data()), qint64(second.size() * 2));
            if (!encoder.waitForBytesWritten(60000))
                return QString();
        }
        encoder.closeWriteChannel();
        if (!encoder.waitForFinished(600000) || encoder.exitCode() != 0 ||
            !QFile::rename(part, file))
            return QString();
        return file;
    }();
    return path;
}

bool haveRecording(benchmark::State& state)
{
    if (!halfHourRecording().isEmpty())
        return true;
    state.SkipWithError("lame is not installed: no recording to measure");
    return false;
}

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Opening returns at once; the index is built on its own thread.
void BM_Mp3OpenReturns(benchmark::State& state)
{
    if (!haveRecording(state))
        return;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto decoder = Mp3Decoder::open(halfHourRecording());
        state.SetIterationTime(msSince(start) / 1000);
        decoder.value()->waitForIndex();
    }
}
BENCHMARK(BM_Mp3OpenReturns)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Opening and the whole seek index of every MPEG frame (off the interface thread).
void BM_Mp3SeekIndexBuilt(benchmark::State& state)
{
    if (!haveRecording(state))
        return;
    for (auto _ : state) {
        auto decoder = Mp3Decoder::open(halfHourRecording());
        decoder.value()->waitForIndex();
        benchmark::DoNotOptimize(decoder.value()->length());
    }
}
BENCHMARK(BM_Mp3SeekIndexBuilt)->Unit(benchmark::kMillisecond)->Iterations(10);

/// A null output that notes when the first frames of a stream are pulled.
class FirstSampleProbe : public AudioOutput, private AudioSource
{
public:
    void start(const AudioFormat& format, AudioSource* source) override
    {
        m_source = source;
        m_first.store(0);
        m_inner.start(format, this);
    }
    void stop() override { m_inner.stop(); }
    void resume() override { m_inner.resume(); }
    qint64 heardFrames() const override { return m_inner.heardFrames(); }
    void setVolume(double gain) override { m_inner.setVolume(gain); }

    /// Nanoseconds on the steady clock when the first frames went out; 0 until then.
    qint64 waitForFirst() const
    {
        qint64 first = 0;
        while ((first = m_first.load()) == 0)
            std::this_thread::yield();
        return first;
    }

private:
    qint64 readFrames(qint16* out, qint64 frames) override
    {
        const qint64 got = m_source->readFrames(out, frames);
        if (got > 0 && m_first.load() == 0)
            m_first.store(std::chrono::steady_clock::now().time_since_epoch().count());
        return got;
    }

    NullAudioOutput m_inner;
    AudioSource* m_source = nullptr;
    std::atomic<qint64> m_first{0};
};

// A sentence played (seek + play) at speed to the first sample handed to the output, at random
// sentences in the middle of the recording, with the index in place (a lesson already open).
void playSentencesToFirstSample(benchmark::State& state, double speed)
{
    if (!haveRecording(state))
        return;
    auto made = std::make_unique<FirstSampleProbe>();
    FirstSampleProbe& probe = *made;
    LessonPlayer player(std::move(made));
    player.setSpeed(speed);
    player.setFile(halfHourRecording());
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // the index comes in meanwhile
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> middle(600, 1200);
    for (auto _ : state) {
        const double start = middle(rng);
        player.setEndFence(start + 3);
        const auto begin = std::chrono::steady_clock::now();
        player.setPosition(start);
        player.play();
        const qint64 first = probe.waitForFirst();
        state.SetIterationTime(double(first - begin.time_since_epoch().count()) / 1e9);
        player.pause();
    }
}

void BM_PlaySentenceToFirstSample(benchmark::State& state)
{
    playSentencesToFirstSample(state, 1.0);
}
BENCHMARK(BM_PlaySentenceToFirstSample)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// The same at 0.7: the time-stretch needs some of the sentence before it gives its first sample.
void BM_PlayStretchedSentenceToFirstSample(benchmark::State& state)
{
    playSentencesToFirstSample(state, 0.7);
}
BENCHMARK(BM_PlayStretchedSentenceToFirstSample)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

// The same at the very first reading after opening, before the index has come in: the seek
// then reads frame headers forward from the start.
void BM_PlaySentenceRightAfterOpening(benchmark::State& state)
{
    if (!haveRecording(state))
        return;
    for (auto _ : state) {
        auto made = std::make_unique<FirstSampleProbe>();
        FirstSampleProbe& probe = *made;
        LessonPlayer player(std::move(made));
        const auto begin = std::chrono::steady_clock::now();
        player.setFile(halfHourRecording());
        player.setEndFence(903);
        player.setPosition(900);
        player.play();
        const qint64 first = probe.waitForFirst();
        state.SetIterationTime(double(first - begin.time_since_epoch().count()) / 1e9);
        player.pause();
    }
}
BENCHMARK(BM_PlaySentenceRightAfterOpening)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The process's CPU time while a sentence plays in real time at speed to the null output, as a
// share of one core (counter cpu_percent). The benchmark thread only sleeps meanwhile.
void measurePlayingCpuShare(benchmark::State& state, double speed)
{
    if (!haveRecording(state))
        return;
    LessonPlayer player(std::make_unique<NullAudioOutput>());
    player.setSpeed(speed);
    player.setFile(halfHourRecording());
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    double share = 0;
    for (auto _ : state) {
        player.setEndFence(-1);
        player.setPosition(900);
        const double cpuBefore = cpuSeconds();
        const auto begin = std::chrono::steady_clock::now();
        player.play();
        std::this_thread::sleep_for(std::chrono::seconds(5));
        player.pause();
        share = (cpuSeconds() - cpuBefore) / (msSince(begin) / 1000);
    }
    state.counters["cpu_percent"] = share * 100;
}

void BM_PlayingCpuShare(benchmark::State& state)
{
    measurePlayingCpuShare(state, 1.0);
}
BENCHMARK(BM_PlayingCpuShare)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same at 0.7, the time-stretch included.
void BM_PlayingStretchedCpuShare(benchmark::State& state)
{
    measurePlayingCpuShare(state, 0.7);
}
BENCHMARK(BM_PlayingStretchedCpuShare)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
