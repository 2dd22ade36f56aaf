#include "VoiceAnalysis.h"

#include "FrameLevels.h"
#include "Mfcc.h"
#include "PitchTrack.h"
#include "Resampling.h"
#include "SpeechBounds.h"
#include "TimeWarp.h"
#include "VoiceScore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kelvaro {

namespace {

constexpr long kMostWarpCells = 6'000'000; // two minute-long readings
constexpr int kWarpableRatio = 4;
constexpr int kLowestRate = 4000;
constexpr int kHighestRate = 384000;

} // namespace

VoiceSignal voiceSignal(const std::vector<short>& interleaved, int channels, int rate)
{
    VoiceSignal signal;
    signal.rate = rate;
    if (channels <= 0)
        return signal;
    const size_t frames = interleaved.size() / size_t(channels);
    signal.samples.resize(frames);
    for (size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += interleaved[i * size_t(channels) + size_t(c)];
        signal.samples[i] = sum / (32768.0f * float(channels));
    }
    return signal;
}

VoiceTrack analyseVoice(const VoiceSignal& signal, VoiceReading reading)
{
    VoiceTrack track;
    // A rate no sound card gives is a broken signal; resampling it could take any memory.
    if (signal.rate < kLowestRate || signal.rate > kHighestRate)
        return track;
    const std::vector<float> samples =
        withoutRumble(resampled(signal.samples, signal.rate, kVoiceRate), kVoiceRate);
    const int frames = int(samples.size() / kVoiceHop);
    track.seconds = double(samples.size()) / kVoiceRate;

    FrameLevels levels = frameLevels(samples, kVoiceHop, frames);
    track.envelope = std::move(levels.envelope);
    track.energyDb = std::move(levels.energyDb);
    std::tie(track.speechBegin, track.speechEnd) = speechBounds(track.energyDb);

    track.pitchHz = voicedPitch(pitchEstimates(samples, kVoiceRate, kVoiceHop, frames),
                                track.energyDb, loudLevelDb(track.energyDb));
    // Hum or voices in the background before and after the reading are not its tune.
    for (int f = 0; f < frames; ++f)
        if (f < track.speechBegin || f >= track.speechEnd)
            track.pitchHz[size_t(f)] = 0;
    track.medianHz = medianPitch(track.pitchHz);
    track.semitones = semitonesFrom(track.pitchHz, track.medianHz);

    std::vector<float> warps = {1.0f};
    if (reading == VoiceReading::Take)
        warps.insert(warps.end(), kVoiceSpectrumWarps.begin(), kVoiceSpectrumWarps.end());
    std::vector<float> coefficients = mfccFrames(samples, kVoiceRate, kVoiceHop, frames, warps);
    subtractCepstralMean(coefficients, frames, track.speechBegin, track.speechEnd);
    const long block = long(frames) * kVoiceMfccCoefficients;
    track.mfcc.assign(coefficients.begin(), coefficients.begin() + block);
    track.warpedMfcc.assign(coefficients.begin() + block, coefficients.end());
    return track;
}

VoiceComparison compareVoices(const VoiceTrack& lesson, const VoiceTrack& take)
{
    VoiceComparison result;
    result.lesson = lesson;
    result.take = take;
    result.takeFrameAt.assign(size_t(lesson.frames()), -1);
    result.warpedTakeSemitones.assign(size_t(lesson.frames()),
                                      std::numeric_limits<float>::quiet_NaN());
    const int lessonEnd = std::min(lesson.speechEnd, lesson.frames());
    const int takeEnd = std::min(take.speechEnd, take.frames());
    if (lessonEnd <= lesson.speechBegin || takeEnd <= take.speechBegin) {
        result.advice = VoiceAdvice::NoSpeech;
        return result;
    }
    const int lessonBegin = lesson.speechBegin;
    const int takeBegin = take.speechBegin;
    const int n = lessonEnd - lessonBegin;
    const int m = takeEnd - takeBegin;

    // Tracks built elsewhere may lack coefficients: such frames compare as silence.
    static constexpr std::array<float, kVoiceMfccCoefficients> kNoCoefficients{};
    auto row = [](const std::vector<float>& mfcc, size_t first) {
        return first + kVoiceMfccCoefficients <= mfcc.size() ? mfcc.data() + first
                                                             : kNoCoefficients.data();
    };
    // Pauses are pauses whatever hiss they hold: two quiet frames match at no cost.
    const std::vector<bool> lessonQuiet = quietFrames(lesson.energyDb);
    const std::vector<bool> takeQuiet = quietFrames(take.energyDb);
    auto quiet = [](const std::vector<bool>& flags, int frame) {
        return size_t(frame) < flags.size() && flags[size_t(frame)];
    };
    auto bothQuiet = [&](int lessonFrame, int takeFrame) {
        return quiet(lessonQuiet, lessonFrame) && quiet(takeQuiet, takeFrame);
    };
    // Two frames differ by their sound and by how it moves. The take's side is one block of its
    // coefficients: its own spectrum's, or one of the stretched ones.
    struct TakeSpectrum
    {
        const std::vector<float>* mfcc;
        const std::vector<float>* deltas;
        size_t first; ///< of the block
    };
    const std::vector<float> lessonDeltas = cepstralDeltas(lesson.mfcc, lesson.frames());
    const std::vector<float> takeDeltas = cepstralDeltas(take.mfcc, take.frames());
    const std::vector<float> warpedDeltas = cepstralDeltas(take.warpedMfcc, take.frames());
    auto distance = [&](const TakeSpectrum& spectrum, int lessonFrame, int takeFrame) {
        if (bothQuiet(lessonFrame, takeFrame))
            return 0.0f;
        const size_t lessonRow = size_t(lessonFrame) * kVoiceMfccCoefficients;
        const size_t takeRow = spectrum.first + size_t(takeFrame) * kVoiceMfccCoefficients;
        return cepstralDistance(row(lesson.mfcc, lessonRow), row(*spectrum.mfcc, takeRow)) +
               cepstralDistance(row(lessonDeltas, lessonRow), row(*spectrum.deltas, takeRow));
    };
    // stride 2 aligns every other frame: enough to tell which spectrum stretch fits best.
    auto align = [&](const TakeSpectrum& spectrum, int stride) {
        return timeWarp((n + stride - 1) / stride, (m + stride - 1) / stride, [&](int i, int j) {
            return distance(spectrum, lessonBegin + i * stride, takeBegin + j * stride);
        });
    };
    // Readings far apart in length (or very long) are not worth warping: the pace alone tells.
    const bool warpable =
        long(n) * long(m) <= kMostWarpCells && n <= kWarpableRatio * m && m <= kWarpableRatio * n;
    // The take's own spectrum, or stretched toward the lesson speaker's: the cheapest alignment
    // is the one of the words, not of the voices.
    TakeSpectrum best{&take.mfcc, &takeDeltas, 0};
    if (warpable) {
        double bestCost = align(best, 2).meanDistance;
        const size_t block = size_t(take.frames()) * kVoiceMfccCoefficients;
        for (size_t w = 0; w < kVoiceSpectrumWarps.size(); ++w) {
            if ((w + 1) * block > take.warpedMfcc.size())
                break;
            const TakeSpectrum warped{&take.warpedMfcc, &warpedDeltas, w * block};
            const double cost = align(warped, 2).meanDistance;
            if (cost < bestCost) {
                bestCost = cost;
                best = warped;
                result.spectrumWarp = kVoiceSpectrumWarps[w];
            }
        }
    }
    const TimeWarp warp = warpable ? align(best, 1) : straightWarp(n, m, [&](int i, int j) {
        return distance(best, lessonBegin + i, takeBegin + j);
    });

    std::vector<int> firstTake(size_t(n), -1), lastTake(size_t(n), -1);
    for (const auto& [i, j] : warp.path) {
        result.path.emplace_back(lessonBegin + i, takeBegin + j);
        if (firstTake[size_t(i)] < 0)
            firstTake[size_t(i)] = j;
        lastTake[size_t(i)] = j;
    }
    // A lesson frame held while the take moves on stands for the middle of that stretch.
    for (int i = 0; i < n; ++i) {
        const int lessonFrame = lessonBegin + i;
        const int takeFrame = takeBegin + (firstTake[size_t(i)] + lastTake[size_t(i)]) / 2;
        result.takeFrameAt[size_t(lessonFrame)] = takeFrame;
        if (size_t(lessonFrame) < lesson.semitones.size() &&
            size_t(takeFrame) < take.semitones.size() &&
            !std::isnan(lesson.semitones[size_t(lessonFrame)]))
            result.warpedTakeSemitones[size_t(lessonFrame)] = take.semitones[size_t(takeFrame)];
    }

    // The cost of the words: over the pairs that are not both pauses.
    double sum = 0;
    int sounding = 0;
    for (const auto& [i, j] : result.path) {
        if (bothQuiet(i, j))
            continue;
        sum += distance(best, i, j);
        ++sounding;
    }
    result.alignmentCost = sounding > 0 ? sum / sounding : 0;
    result.pitchCorrelation = contourCorrelation(lesson.semitones, result.warpedTakeSemitones);
    result.durationRatio = double(m) / n;
    result.score = voiceScore(result.alignmentCost, result.pitchCorrelation, result.durationRatio);
    result.stressFrame = missedStressFrame(result);
    result.advice = voiceAdvice(result);
    if (result.advice != VoiceAdvice::MissingStress)
        result.stressFrame = -1;
    return result;
}

QString voiceAdviceText(VoiceAdvice advice)
{
    switch (advice) {
    case VoiceAdvice::Good:
        return QStringLiteral("读得很好，和标准读音很接近。");
    case VoiceAdvice::TooSlow:
        return QStringLiteral("读得太慢了，试着读得连贯一些。");
    case VoiceAdvice::TooFast:
        return QStringLiteral("读得太快了，放慢一点，把每个词读清楚。");
    case VoiceAdvice::FlatIntonation:
        return QStringLiteral("语调太平了，注意句子的升降。");
    case VoiceAdvice::MissingStress:
        return QStringLiteral("漏掉了一个重读音节，注意标出的地方。");
    case VoiceAdvice::DifferentWords:
        return QStringLiteral("读的内容和这句不太一样，再听一遍标准读音。");
    case VoiceAdvice::NoSpeech:
        return QStringLiteral("没有听到声音，请靠近麦克风再录一次。");
    }
    return {};
}

const char* voiceAdviceName(VoiceAdvice advice)
{
    switch (advice) {
    case VoiceAdvice::Good:
        return "good";
    case VoiceAdvice::TooSlow:
        return "tooSlow";
    case VoiceAdvice::TooFast:
        return "tooFast";
    case VoiceAdvice::FlatIntonation:
        return "flatIntonation";
    case VoiceAdvice::MissingStress:
        return "missingStress";
    case VoiceAdvice::DifferentWords:
        return "differentWords";
    case VoiceAdvice::NoSpeech:
        return "noSpeech";
    }
    return "";
}

} // namespace kelvaro
