#include "SyntheticVoice.h"

#include "analysis/Mfcc.h"
#include "analysis/PitchTrack.h"
#include "analysis/Resampling.h"
#include "analysis/VoiceAnalysis.h"

#include <benchmark/benchmark.h>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

/// A five-second sentence of synthetic syllables, as long as a long lesson sentence.
Utterance fiveSecondSentence()
{
    Utterance u;
    u.leadSeconds = 0.2;
    u.trailSeconds = 0.2;
    while (syllableStart(u, int(u.syllables.size())) < 4.6) {
        for (const Syllable& s : sampleSentence().syllables)
            u.syllables.push_back(s);
        for (const Syllable& s : otherSentence().syllables)
            u.syllables.push_back(s);
    }
    while (syllableStart(u, int(u.syllables.size())) > 4.6)
        u.syllables.pop_back();
    return u;
}

/// The lesson's cut as the player decodes it (22.05 kHz, the demo course's rate).
const VoiceSignal& lessonSignal()
{
    static const VoiceSignal signal = render(fiveSecondSentence(), 22050);
    return signal;
}

/// The learner's take as the recorder keeps it (16 kHz), higher and a little slower.
const VoiceSignal& takeSignal()
{
    static const VoiceSignal signal = [] {
        VoiceSignal s = render(stretched(transposed(fiveSecondSentence(), 1.6), 1.05));
        s.samples.resize(size_t(5 * kVoiceRate), 0.0f);
        return s;
    }();
    return signal;
}

void BM_VoiceComparisonWhole(benchmark::State& state)
{
    for (auto _ : state) {
        VoiceComparison c = compareVoices(analyseVoice(lessonSignal(), VoiceReading::Lesson),
                                          analyseVoice(takeSignal()));
        benchmark::DoNotOptimize(c.score);
    }
}
BENCHMARK(BM_VoiceComparisonWhole)->Unit(benchmark::kMillisecond);

void BM_VoiceAnalyseLessonCut(benchmark::State& state)
{
    for (auto _ : state) {
        VoiceTrack t = analyseVoice(lessonSignal(), VoiceReading::Lesson);
        benchmark::DoNotOptimize(t.medianHz);
    }
}
BENCHMARK(BM_VoiceAnalyseLessonCut)->Unit(benchmark::kMillisecond);

void BM_VoiceAnalyseTake(benchmark::State& state)
{
    for (auto _ : state) {
        VoiceTrack t = analyseVoice(takeSignal());
        benchmark::DoNotOptimize(t.medianHz);
    }
}
BENCHMARK(BM_VoiceAnalyseTake)->Unit(benchmark::kMillisecond);

void BM_VoiceCompareTracks(benchmark::State& state)
{
    const VoiceTrack lesson = analyseVoice(lessonSignal(), VoiceReading::Lesson);
    const VoiceTrack take = analyseVoice(takeSignal());
    for (auto _ : state) {
        VoiceComparison c = compareVoices(lesson, take);
        benchmark::DoNotOptimize(c.score);
    }
}
BENCHMARK(BM_VoiceCompareTracks)->Unit(benchmark::kMillisecond);

// The parts of one analysis.
void BM_VoiceResampleLessonCut(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<float> out = resampled(lessonSignal().samples, 22050, kVoiceRate);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_VoiceResampleLessonCut)->Unit(benchmark::kMillisecond);

void BM_VoicePitchEstimates(benchmark::State& state)
{
    const int frames = int(takeSignal().samples.size() / kVoiceHop);
    for (auto _ : state) {
        std::vector<PitchEstimate> e =
            pitchEstimates(takeSignal().samples, kVoiceRate, kVoiceHop, frames);
        benchmark::DoNotOptimize(e.data());
    }
}
BENCHMARK(BM_VoicePitchEstimates)->Unit(benchmark::kMillisecond);

void BM_VoiceMfccWithWarps(benchmark::State& state)
{
    const int frames = int(takeSignal().samples.size() / kVoiceHop);
    std::vector<float> warps = {1.0f};
    warps.insert(warps.end(), kVoiceSpectrumWarps.begin(), kVoiceSpectrumWarps.end());
    for (auto _ : state) {
        std::vector<float> m =
            mfccFrames(takeSignal().samples, kVoiceRate, kVoiceHop, frames, warps);
        benchmark::DoNotOptimize(m.data());
    }
}
BENCHMARK(BM_VoiceMfccWithWarps)->Unit(benchmark::kMillisecond);

} // namespace
