#include "PitchTrack.h"

#include "AubioFrames.h"
#include "FrameLevels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvaro {

namespace {

constexpr int kWindow = 1024;                // 64 ms at 16 kHz: two periods of the lowest pitch
constexpr float kVoicedConfidence = 0.5f;    // below this the frame is noise or a transition
constexpr float kContinuedConfidence = 0.3f; // enough next to a voiced frame on its pitch
constexpr float kContinuedSemitones = 1.5f;
constexpr float kVoicedBelowLoudDb = 30; // quieter frames are breath and room
constexpr float kVoicedFloorDb = -55;
constexpr int kShortestVoicedRun = 3; // frames; shorter runs are detector flickers
constexpr int kReferenceReach = 10;   // frames each side for the local pitch level
constexpr float kOctaveJump = 0.75f;  // octaves from the reference that count as a jump
constexpr int kMedianReach = 2;       // a five-frame median filter

struct AubioPitchDeleter
{
    void operator()(aubio_pitch_t* p) const { del_aubio_pitch(p); }
};

/// Runs of consecutive non-zero frames as [begin, end) pairs.
std::vector<std::pair<int, int>> voicedRuns(const std::vector<float>& hz)
{
    std::vector<std::pair<int, int>> runs;
    const int frames = int(hz.size());
    for (int f = 0; f < frames;) {
        if (hz[size_t(f)] <= 0) {
            ++f;
            continue;
        }
        int end = f;
        while (end < frames && hz[size_t(end)] > 0)
            ++end;
        runs.emplace_back(f, end);
        f = end;
    }
    return runs;
}

float medianOf(std::vector<float> values)
{
    if (values.empty())
        return 0;
    const size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + long(mid), values.end());
    const float upper = values[mid];
    if (values.size() % 2)
        return upper;
    const float lower = *std::max_element(values.begin(), values.begin() + long(mid));
    return 0.5f * (lower + upper);
}

} // namespace

std::vector<PitchEstimate> pitchEstimates(const std::vector<float>& samples, int rate, int hop,
                                          int frames)
{
    std::vector<PitchEstimate> estimates(size_t(std::max(0, frames)));
    if (frames <= 0)
        return estimates;
    std::unique_ptr<aubio_pitch_t, AubioPitchDeleter> pitch(
        new_aubio_pitch("yinfast", uint_t(kWindow), uint_t(hop), uint_t(rate)));
    if (!pitch)
        return estimates;
    aubio_pitch_set_unit(pitch.get(), "Hz");
    aubio_pitch_set_silence(pitch.get(), -90); // the level gate is applied with the voicing
    AubioFvec out(new_fvec(1));
    feedCentredFrames(samples, kWindow, hop, frames, [&](int frame, const fvec_t* block) {
        aubio_pitch_do(pitch.get(), block, out.get());
        if (frame < 0)
            return;
        estimates[size_t(frame)] = {
            std::max(0.0f, float(out->data[0])),
            std::clamp(float(aubio_pitch_get_confidence(pitch.get())), 0.0f, 1.0f)};
    });
    return estimates;
}

std::vector<float> voicedPitch(const std::vector<PitchEstimate>& estimates,
                               const std::vector<float>& energyDb, float loudDb)
{
    const int frames = int(estimates.size());
    std::vector<float> hz(size_t(frames), 0.0f);
    const float quietest = std::max(loudDb - kVoicedBelowLoudDb, kVoicedFloorDb);
    auto loudEnough = [&](int f) {
        return (f < int(energyDb.size()) ? energyDb[size_t(f)] : kSilenceDb) >= quietest;
    };
    for (int f = 0; f < frames; ++f) {
        const PitchEstimate& e = estimates[size_t(f)];
        if (e.confidence >= kVoicedConfidence && e.hz >= kLowestPitchHz &&
            e.hz <= kHighestPitchHz && loudEnough(f))
            hz[size_t(f)] = e.hz;
    }
    // A vowel's weaker edges: a less certain frame joins a voiced neighbour on the same pitch.
    auto continues = [&](int f, int neighbour) {
        const PitchEstimate& e = estimates[size_t(f)];
        return hz[size_t(f)] == 0 && hz[size_t(neighbour)] > 0 &&
               e.confidence >= kContinuedConfidence && loudEnough(f) && e.hz > 0 &&
               std::abs(12 * std::log2(e.hz / hz[size_t(neighbour)])) < kContinuedSemitones;
    };
    for (int f = 1; f < frames; ++f)
        if (continues(f, f - 1))
            hz[size_t(f)] = estimates[size_t(f)].hz;
    for (int f = frames - 2; f >= 0; --f)
        if (continues(f, f + 1))
            hz[size_t(f)] = estimates[size_t(f)].hz;
    for (const auto& [begin, end] : voicedRuns(hz))
        if (end - begin < kShortestVoicedRun)
            std::fill(hz.begin() + begin, hz.begin() + end, 0.0f);

    // Octave jumps: a frame far from both the speaker's median and its neighbourhood's median
    // is taken at double or half its value when that lands nearer.
    const float speaker = medianPitch(hz);
    if (speaker <= 0)
        return hz;
    std::vector<float> corrected = hz;
    for (int f = 0; f < frames; ++f) {
        if (hz[size_t(f)] <= 0)
            continue;
        std::vector<float> around;
        for (int g = std::max(0, f - kReferenceReach);
             g <= std::min(frames - 1, f + kReferenceReach); ++g)
            if (hz[size_t(g)] > 0)
                around.push_back(hz[size_t(g)]);
        const double reference =
            0.5 * (std::log2(double(speaker)) + std::log2(double(medianOf(around))));
        const double octaves = std::log2(double(hz[size_t(f)])) - reference;
        if (std::abs(octaves) < kOctaveJump)
            continue;
        const float moved = octaves > 0 ? hz[size_t(f)] / 2 : hz[size_t(f)] * 2;
        if (std::abs(std::log2(double(moved)) - reference) < std::abs(octaves) &&
            moved >= kLowestPitchHz && moved <= kHighestPitchHz)
            corrected[size_t(f)] = moved;
    }

    std::vector<float> smoothed = corrected;
    for (const auto& [begin, end] : voicedRuns(corrected)) {
        for (int f = begin; f < end; ++f) {
            std::vector<float> window(corrected.begin() + std::max(begin, f - kMedianReach),
                                      corrected.begin() + std::min(end, f + kMedianReach + 1));
            smoothed[size_t(f)] = medianOf(std::move(window));
        }
    }
    return smoothed;
}

float medianPitch(const std::vector<float>& hz)
{
    std::vector<float> voiced;
    for (float f : hz)
        if (f > 0)
            voiced.push_back(f);
    return medianOf(std::move(voiced));
}

std::vector<float> semitonesFrom(const std::vector<float>& hz, float referenceHz)
{
    std::vector<float> semitones(hz.size(), std::numeric_limits<float>::quiet_NaN());
    if (referenceHz <= 0)
        return semitones;
    for (size_t f = 0; f < hz.size(); ++f)
        if (hz[f] > 0)
            semitones[f] = float(12 * std::log2(double(hz[f]) / referenceHz));
    return semitones;
}

} // namespace kelvaro
