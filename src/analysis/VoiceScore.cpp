#include "VoiceScore.h"

#include "Percentile.h"
#include "SpeechBounds.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr int kFewestSharedFrames = 10; // a syllable's vowel
constexpr double kCostMidpoint = 1.25;  // the cost that halves the score
constexpr double kCostSoftness = 0.05;
constexpr double kPaceSoftness = 0.35; // |ln ratio| that takes the pace part to 1/e
constexpr double kSlowestRatio = 1.35;
constexpr double kFastestRatio = 0.75;
constexpr double kFlatSpreadShare = 0.4;    // of the lesson's spread
constexpr double kLessonMovesSemitones = 3; // a lesson reading that moves less is flat itself
constexpr double kLowCorrelation = 0.2;
constexpr float kStressWithinDb = 6;  // peaks this close to the loudest are stressed
constexpr int kStressReach = 8;       // frames each side a peak tops
constexpr int kTakeSearchReach = 3;   // frames each side of the aligned take stretch
constexpr float kMissedStressDb = 15; // below the take's own loud level

/// A five-frame moving average of the levels, so a syllable is one hump.
std::vector<float> smoothedLevels(const std::vector<float>& energyDb)
{
    const int frames = int(energyDb.size());
    std::vector<float> out(energyDb.size());
    for (int f = 0; f < frames; ++f) {
        double sum = 0;
        int count = 0;
        for (int g = std::max(0, f - 2); g <= std::min(frames - 1, f + 2); ++g, ++count)
            sum += energyDb[size_t(g)];
        out[size_t(f)] = float(sum / count);
    }
    return out;
}

} // namespace

double contourCorrelation(const std::vector<float>& a, const std::vector<float>& b)
{
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    int count = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (std::isnan(a[i]) || std::isnan(b[i]))
            continue;
        sa += a[i];
        sb += b[i];
        saa += double(a[i]) * a[i];
        sbb += double(b[i]) * b[i];
        sab += double(a[i]) * b[i];
        ++count;
    }
    if (count < kFewestSharedFrames)
        return 0;
    const double va = saa - sa * sa / count;
    const double vb = sbb - sb * sb / count;
    const double cov = sab - sa * sb / count;
    if (va <= 1e-9 * count || vb <= 1e-9 * count)
        return 0;
    return std::clamp(cov / std::sqrt(va * vb), -1.0, 1.0);
}

double semitoneSpread(const VoiceTrack& track)
{
    std::vector<float> voiced;
    for (int f = track.speechBegin; f < track.speechEnd && f < int(track.semitones.size()); ++f)
        if (!std::isnan(track.semitones[size_t(f)]))
            voiced.push_back(track.semitones[size_t(f)]);
    if (int(voiced.size()) < kFewestSharedFrames)
        return 0;
    return double(percentile(voiced, 0.9, 0)) - double(percentile(voiced, 0.1, 0));
}

int missedStressFrame(const VoiceComparison& comparison)
{
    const VoiceTrack& lesson = comparison.lesson;
    const VoiceTrack& take = comparison.take;
    if (!lesson.hasSpeech() || !take.hasSpeech() ||
        int(lesson.energyDb.size()) < lesson.speechEnd ||
        int(take.energyDb.size()) < take.speechEnd)
        return -1;
    const std::vector<float> lessonLevels = smoothedLevels(lesson.energyDb);
    const std::vector<float> takeLevels = smoothedLevels(take.energyDb);
    const float lessonLoud = *std::max_element(lessonLevels.begin() + lesson.speechBegin,
                                               lessonLevels.begin() + lesson.speechEnd);
    const float takeLoud = *std::max_element(takeLevels.begin() + take.speechBegin,
                                             takeLevels.begin() + take.speechEnd);
    int missed = -1;
    float worst = kMissedStressDb;
    for (int f = lesson.speechBegin; f < lesson.speechEnd; ++f) {
        const float level = lessonLevels[size_t(f)];
        if (level < lessonLoud - kStressWithinDb)
            continue;
        const int from = std::max(lesson.speechBegin, f - kStressReach);
        const int to = std::min(lesson.speechEnd, f + kStressReach + 1);
        if (*std::max_element(lessonLevels.begin() + from, lessonLevels.begin() + to) > level)
            continue;
        // The take's stretch aligned to the lesson's syllable around the peak, and a little
        // more, so the path's slop at a syllable's edge does not hide the take's vowel.
        int takeFrom = take.speechEnd, takeTo = take.speechBegin;
        for (int g = from; g < to && g < int(comparison.takeFrameAt.size()); ++g) {
            const int j = comparison.takeFrameAt[size_t(g)];
            if (j < 0)
                continue;
            takeFrom = std::min(takeFrom, std::max(take.speechBegin, j - kTakeSearchReach));
            takeTo = std::max(takeTo, std::min(take.speechEnd, j + kTakeSearchReach + 1));
        }
        if (takeFrom >= takeTo)
            continue;
        const float there =
            *std::max_element(takeLevels.begin() + takeFrom, takeLevels.begin() + takeTo);
        if (takeLoud - there > worst) {
            worst = takeLoud - there;
            missed = f;
        }
    }
    return missed;
}

int voiceScore(double alignmentCost, double pitchCorrelation, double durationRatio)
{
    const double words = 1 / (1 + std::exp((alignmentCost - kCostMidpoint) / kCostSoftness));
    const double tune = std::clamp(pitchCorrelation, 0.0, 1.0);
    const double pace =
        durationRatio > 0 ? std::exp(-std::abs(std::log(durationRatio)) / kPaceSoftness) : 0;
    const double score = 100 * words * (0.55 + 0.3 * tune + 0.15 * pace);
    return std::clamp(int(std::lround(score)), 0, 100);
}

VoiceAdvice voiceAdvice(const VoiceComparison& comparison)
{
    if (!comparison.take.hasSpeech() || !comparison.lesson.hasSpeech())
        return VoiceAdvice::NoSpeech;
    if (comparison.alignmentCost > kDifferentWordsCost)
        return VoiceAdvice::DifferentWords;
    if (comparison.durationRatio > kSlowestRatio)
        return VoiceAdvice::TooSlow;
    if (comparison.durationRatio < kFastestRatio)
        return VoiceAdvice::TooFast;
    const double lessonSpread = semitoneSpread(comparison.lesson);
    if (lessonSpread >= kLessonMovesSemitones &&
        (semitoneSpread(comparison.take) < kFlatSpreadShare * lessonSpread ||
         comparison.pitchCorrelation < kLowCorrelation))
        return VoiceAdvice::FlatIntonation;
    if (comparison.stressFrame >= 0)
        return VoiceAdvice::MissingStress;
    return VoiceAdvice::Good;
}

} // namespace kelvaro
