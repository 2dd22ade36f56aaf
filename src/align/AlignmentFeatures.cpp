#include "AlignmentFeatures.h"

#include "SpeechPauses.h"

#include "analysis/FrameLevels.h"
#include "analysis/Mfcc.h"
#include "analysis/VoiceAnalysis.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr int kChunkFrames = 3000; // 30 s: the analysis never copies a whole long recording
constexpr int kLeadFrames = 2;     // each chunk's window reaches this far past its ends
constexpr float kActivityWeight = 4;
constexpr float kActivityRangeDb = 12; // from pause to speech around the threshold
constexpr int kCepstraOffset = 1;      // coefficient 0 (loudness) stays out

} // namespace

AlignmentFeatures alignmentFeatures(const std::vector<float>& samples,
                                    const std::function<void(int)>& progress)
{
    AlignmentFeatures features;
    const int frames = int(samples.size() / kAlignHop);
    features.frames = frames;
    constexpr int n = kVoiceMfccCoefficients;
    std::vector<float> mfcc(size_t(frames) * n);
    std::vector<float> chunk;
    const std::vector<float> noWarp = {1.0f};
    for (int first = 0; first < frames; first += kChunkFrames) {
        const int count = std::min(kChunkFrames, frames - first);
        // Chunk frame k is centred where whole-signal frame first - kLeadFrames + k is.
        const long from = long(first - kLeadFrames) * kAlignHop;
        chunk.assign(size_t(count + 2 * kLeadFrames) * kAlignHop, 0.0f);
        for (size_t i = 0; i < chunk.size(); ++i) {
            const long at = from + long(i);
            if (at >= 0 && at < long(samples.size()))
                chunk[i] = samples[size_t(at)];
        }
        const std::vector<float> part =
            mfccFrames(chunk, kAlignRate, kAlignHop, count + 2 * kLeadFrames, noWarp);
        std::copy(part.begin() + kLeadFrames * n, part.begin() + (kLeadFrames + count) * n,
                  mfcc.begin() + long(first) * n);
        if (progress)
            progress(int(int64_t(first + count) * 90 / std::max(1, frames)));
    }
    features.values.assign(size_t(frames) * kAlignDims, 0.0f);
    for (int f = 0; f < frames; ++f) {
        float* out = features.values.data() + size_t(f) * kAlignDims;
        for (int c = 0; c < kAlignCepstra; ++c)
            out[c] = mfcc[size_t(f * n + c + kCepstraOffset)];
    }
    features.levelsDb = frameLevels(samples, kAlignHop, frames).energyDb;
    if (progress)
        progress(100);
    return features;
}

void appendFeatures(AlignmentFeatures& to, const AlignmentFeatures& more)
{
    to.frames += more.frames;
    to.values.insert(to.values.end(), more.values.begin(), more.values.end());
    to.levelsDb.insert(to.levelsDb.end(), more.levelsDb.begin(), more.levelsDb.end());
}

void normaliseFeatures(AlignmentFeatures& features)
{
    const float threshold = pauseThresholdDb(features.levelsDb);
    constexpr int dims = kAlignCepstra;
    std::vector<double> sum(dims, 0.0), squares(dims, 0.0);
    long speech = 0;
    for (int f = 0; f < features.frames; ++f) {
        if (features.levelsDb[size_t(f)] < threshold)
            continue;
        const float* x = features.frame(f);
        for (int d = 0; d < dims; ++d) {
            sum[size_t(d)] += x[d];
            squares[size_t(d)] += double(x[d]) * x[d];
        }
        ++speech;
    }
    std::vector<float> mean(dims, 0.0f), scale(dims, 1.0f);
    if (speech > 1) {
        for (int d = 0; d < dims; ++d) {
            const double m = sum[size_t(d)] / double(speech);
            const double variance = squares[size_t(d)] / double(speech) - m * m;
            mean[size_t(d)] = float(m);
            scale[size_t(d)] = variance > 1e-12 ? float(1 / std::sqrt(variance)) : 1.0f;
        }
    }
    for (int f = 0; f < features.frames; ++f) {
        float* x = features.values.data() + size_t(f) * kAlignDims;
        const float activity = std::clamp(
            (features.levelsDb[size_t(f)] - threshold) / kActivityRangeDb + 0.5f, 0.0f, 1.0f);
        for (int d = 0; d < dims; ++d)
            x[d] = (x[d] - mean[size_t(d)]) * scale[size_t(d)] * activity;
        x[dims] = kActivityWeight * activity;
    }
}

float speechShare(const float* frame)
{
    return frame[kAlignCepstra] / kActivityWeight;
}

float frameDistance(const float* a, const float* b)
{
    float sum = 0;
    for (int d = 0; d < kAlignDims; ++d) {
        const float x = a[d] - b[d];
        sum += x * x;
    }
    // Two unrelated speech frames of unit-spread coefficients differ by about 2 per dimension.
    return std::sqrt(sum / float(2 * kAlignDims));
}

AlignmentFeatures coarsened(const AlignmentFeatures& features, int factor)
{
    AlignmentFeatures out;
    factor = std::max(1, factor);
    out.frames = (features.frames + factor - 1) / factor;
    out.values.assign(size_t(out.frames) * kAlignDims, 0.0f);
    out.levelsDb.assign(size_t(out.frames), 0.0f);
    for (int g = 0; g < out.frames; ++g) {
        const int first = g * factor, end = std::min(features.frames, first + factor);
        float* x = out.values.data() + size_t(g) * kAlignDims;
        float level = kSilenceDb;
        for (int f = first; f < end; ++f) {
            const float* y = features.frame(f);
            for (int d = 0; d < kAlignDims; ++d)
                x[d] += y[d] / float(end - first);
            level = std::max(level, features.levelsDb[size_t(f)]);
        }
        out.levelsDb[size_t(g)] = level;
    }
    return out;
}

} // namespace kelvaro
