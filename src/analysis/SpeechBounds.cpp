#include "SpeechBounds.h"

#include "FrameLevels.h"
#include "Percentile.h"

#include <algorithm>

namespace kelvaro {

namespace {

constexpr float kBelowLoudDb = 30; // quieter than the loud level by this much is silence
constexpr float kAboveNoiseDb = 8; // speech stands this far above the background
constexpr float kFloorDb = -60;    // nothing quieter than this is speech
constexpr int kShortestSound = 4;  // frames in a row: shorter bursts are clicks
constexpr float kNoisePercentile = 0.1f;
constexpr float kNoiseReachDb = 20; // the background never lifts the threshold above loud - this

} // namespace

float loudLevelDb(const std::vector<float>& energyDb)
{
    // The loudest level held for a few frames in a row: a click is shorter.
    float loud = kSilenceDb;
    const int frames = int(energyDb.size());
    for (int f = 0; f + kShortestSound <= frames; ++f)
        loud = std::max(
            loud, *std::min_element(energyDb.begin() + f, energyDb.begin() + f + kShortestSound));
    return loud;
}

std::vector<bool> quietFrames(const std::vector<float>& energyDb)
{
    const float threshold = loudLevelDb(energyDb) - kBelowLoudDb;
    std::vector<bool> quiet(energyDb.size());
    for (size_t f = 0; f < energyDb.size(); ++f)
        quiet[f] = energyDb[f] < threshold;
    return quiet;
}

std::pair<int, int> speechBounds(const std::vector<float>& energyDb)
{
    const int frames = int(energyDb.size());
    const float loud = loudLevelDb(energyDb);
    const float noise = percentile(energyDb, kNoisePercentile, kSilenceDb);
    const float overNoise = std::min(noise + kAboveNoiseDb, loud - kNoiseReachDb);
    const float threshold = std::max({loud - kBelowLoudDb, overNoise, kFloorDb});
    if (loud < threshold)
        return {0, 0};
    std::vector<bool> sounding(size_t(frames), false);
    // Keep only runs long enough to be sound rather than a click.
    int run = 0;
    for (int f = 0; f <= frames; ++f) {
        if (f < frames && energyDb[size_t(f)] >= threshold) {
            ++run;
            continue;
        }
        if (run >= kShortestSound)
            std::fill(sounding.begin() + (f - run), sounding.begin() + f, true);
        run = 0;
    }
    const auto first = std::find(sounding.begin(), sounding.end(), true);
    if (first == sounding.end())
        return {0, 0};
    const auto last = std::find(sounding.rbegin(), sounding.rend(), true);
    return {int(first - sounding.begin()), int(sounding.rend() - last)};
}

} // namespace kelvaro
