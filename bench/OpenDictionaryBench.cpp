// The open dictionary behind the folder's own: a lookup through it, its memory, and the first
// sample of a word spoken by espeak-ng's library (the player's open voice does the same work).
#include "align/EspeakVoice.h"
#include "content/Dictionary.h"
#include "content/OpenDictionary.h"
#include "content/OpenLookup.h"
#include "playback/WavFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>

using namespace kelvaro;

namespace {

// Words a learner meets, inflected and plain, that the (empty) folder does not hold.
const char* const kWords[] = {"went",    "children", "running", "happier", "studies", "bought",
                              "watches", "mice",     "better",  "cities",  "talked",  "beautiful",
                              "quickly", "teachers", "wrote",   "feet",    "kelvaro", "is"};

const OpenDictionary& openDictionary()
{
    static const OpenDictionary open = [] {
        Result<OpenDictionary> read = OpenDictionary::load(OpenDictionary::installedPath());
        return read ? std::move(read.value()) : OpenDictionary();
    }();
    return open;
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * 4096.0 / (1024.0 * 1024.0);
}

void BM_OpenLookup(benchmark::State& state)
{
    const OpenDictionary& open = openDictionary();
    if (open.isEmpty()) {
        state.SkipWithError("no open-dictionary.txt beside the benchmark");
        return;
    }
    const Dictionary folder;
    size_t i = 0;
    for (auto _ : state) {
        const QString word = QString::fromLatin1(kWords[i++ % std::size(kWords)]);
        benchmark::DoNotOptimize(lookUpWithOpen(folder, open, word));
    }
}
BENCHMARK(BM_OpenLookup);

void BM_OpenDictionaryLoadAndResidentGrowth(benchmark::State& state)
{
    const QString path = OpenDictionary::installedPath();
    if (path.isEmpty()) {
        state.SkipWithError("no open-dictionary.txt beside the benchmark");
        return;
    }
    double growth = 0;
    for (auto _ : state) {
        const double before = residentMiB();
        Result<OpenDictionary> read = OpenDictionary::load(path);
        const Dictionary folder;
        for (const char* word : kWords)
            benchmark::DoNotOptimize(
                lookUpWithOpen(folder, read.value(), QString::fromLatin1(word)));
        growth = residentMiB() - before;
    }
    state.counters["resident_growth_MiB"] = growth;
}
BENCHMARK(BM_OpenDictionaryLoadAndResidentGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);

// A word the player has not spoken before: espeak-ng speaks it whole and the wave file is
// written, so the word player's first sample is at most this far away. The library is started
// before the timing, as the popup's transcription has started it by then.
void BM_SpokenWordFirstSample(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!speakEnglish(QStringLiteral("warm")).ok()) {
        state.SkipWithError("espeak-ng cannot speak");
        return;
    }
    size_t i = 0;
    for (auto _ : state) {
        const QString word = QString::fromLatin1(kWords[i++ % std::size(kWords)]);
        const auto start = std::chrono::steady_clock::now();
        const Result<std::vector<float>> spoken = speakEnglish(word, EspeakVoice{"en-us", 135, 50});
        PcmSound sound;
        sound.format = AudioFormat{kSpokenRate, 1};
        for (float s : spoken.value())
            sound.samples.push_back(qint16(s * 32767.0f));
        benchmark::DoNotOptimize(writeWav(dir.filePath(word + QStringLiteral(".wav")), sound));
        const auto elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(elapsed.count());
    }
}
BENCHMARK(BM_SpokenWordFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond);

// The learner's first open word of a session: the library starts, then speaks (alone in its
// process, as scripts/bench.sh runs it, this is the cold start).
void BM_SpokenWordColdStart(benchmark::State& state)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(transcribeEnglish(QStringLiteral("children")));
        benchmark::DoNotOptimize(speakEnglish(QStringLiteral("children")));
        const auto elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(elapsed.count());
    }
}
BENCHMARK(BM_SpokenWordColdStart)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
