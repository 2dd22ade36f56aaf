#include "SyntheticReading.h"

#include "analysis/FrameLevels.h"

#include <algorithm>

namespace kelvaro {

namespace {

constexpr int kGapFrames = 20;          // before and after each sentence: 0.4 s between two
constexpr float kSoundUnderPeakDb = 50; // espeak-ng's silences are digital zeros
constexpr float kSoundFloorDb = -70;

/// The frames [first, end) that hold sound.
std::pair<int, int> soundingFrames(const std::vector<float>& samples)
{
    const int frames = int(samples.size() / kAlignHop);
    const std::vector<float> levels = frameLevels(samples, kAlignHop, frames).energyDb;
    if (levels.empty())
        return {0, 0};
    const float peak = *std::max_element(levels.begin(), levels.end());
    const float floor = std::max(kSoundFloorDb, peak - kSoundUnderPeakDb);
    int first = 0, end = frames;
    while (first < end && levels[size_t(first)] < floor)
        ++first;
    while (end > first && levels[size_t(end - 1)] < floor)
        --end;
    return {first, end};
}

} // namespace

Result<SyntheticReading> readSentences(const QStringList& sentences, const EspeakVoice& voice,
                                       const std::function<void(int)>& progress,
                                       const std::atomic_bool* cancel)
{
    SyntheticReading reading;
    std::vector<float> part;
    for (int k = 0; k < sentences.size(); ++k) {
        if (cancel && cancel->load())
            return Error{QStringLiteral("对齐已取消")};
        Result<std::vector<float>> spoken = speakEnglish(sentences[k], voice);
        if (!spoken)
            return Error{spoken.error()};
        const auto [first, end] = soundingFrames(*spoken);
        part.assign(size_t(2 * kGapFrames + end - first) * kAlignHop, 0.0f);
        std::copy(spoken->begin() + long(first) * kAlignHop,
                  spoken->begin() + long(end) * kAlignHop, part.begin() + kGapFrames * kAlignHop);
        const int base = reading.features.frames;
        appendFeatures(reading.features, alignmentFeatures(part));
        reading.speech.emplace_back(base + kGapFrames, base + kGapFrames + end - first);
        if (progress)
            progress(int((k + 1) * 100LL / sentences.size()));
    }
    return reading;
}

} // namespace kelvaro
