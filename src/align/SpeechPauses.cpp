#include "SpeechPauses.h"

#include "analysis/Percentile.h"

#include <algorithm>

namespace kelvaro {

namespace {

constexpr float kSilentDb = -120;
constexpr double kBackgroundShare = 0.1;
constexpr double kSpeechShare = 0.9;
constexpr float kThresholdShare = 0.25f;
constexpr float kUnderSpeechDb = 45;

} // namespace

float pauseThresholdDb(const std::vector<float>& levelsDb)
{
    const float background = percentile(levelsDb, kBackgroundShare, kSilentDb);
    const float speech = percentile(levelsDb, kSpeechShare, kSilentDb);
    return std::max(background + kThresholdShare * (speech - background), speech - kUnderSpeechDb);
}

std::vector<SpeechPause> speechPauses(const std::vector<float>& levelsDb, int shortestFrames)
{
    const float threshold = pauseThresholdDb(levelsDb);
    const int frames = int(levelsDb.size());
    std::vector<bool> quiet(static_cast<size_t>(frames));
    for (int f = 0; f < frames; ++f)
        quiet[size_t(f)] = levelsDb[size_t(f)] < threshold;
    // A short burst between quiet frames is a click, not speech.
    for (int f = 0; f < frames;) {
        if (quiet[size_t(f)]) {
            ++f;
            continue;
        }
        int end = f;
        while (end < frames && !quiet[size_t(end)])
            ++end;
        if (f > 0 && end < frames && end - f <= kClickFrames)
            std::fill(quiet.begin() + f, quiet.begin() + end, true);
        f = end;
    }
    std::vector<SpeechPause> pauses;
    for (int f = 0; f < frames;) {
        if (!quiet[size_t(f)]) {
            ++f;
            continue;
        }
        int end = f;
        while (end < frames && quiet[size_t(end)])
            ++end;
        // The lead and tail silences are pauses however short: nothing lies beyond them.
        if (end - f >= shortestFrames || f == 0 || end == frames)
            pauses.push_back({f, end});
        f = end;
    }
    return pauses;
}

} // namespace kelvaro
