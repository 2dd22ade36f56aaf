#include "Mfcc.h"

#include "AubioFrames.h"
#include "VoiceAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace kelvaro {

namespace {

constexpr int kWindow = 512; // 32 ms at 16 kHz
constexpr int kFilters = 40;
constexpr float kLowestBandHz = 100;
constexpr float kHighestBandHz = 6000; // leaves room below 8 kHz for the widest warp
// The broad shape of the spectrum (the vowel, the consonant) lies in the low coefficients; the
// higher ones follow the speaker's voice and pitch, which a learner need not copy.
constexpr int kComparedCoefficients = 8;
constexpr float kDither = 1e-5f; // keeps the log of digital silence finite and level

struct AubioPvocDeleter
{
    void operator()(aubio_pvoc_t* p) const { del_aubio_pvoc(p); }
};
/// One triangular mel band as weights over a run of spectrum bins.
struct MelBand
{
    int firstBin = 0;
    std::vector<float> weights;
};

double hzToMel(double hz)
{
    return 2595 * std::log10(1 + hz / 700);
}

double melToHz(double mel)
{
    return 700 * (std::pow(10.0, mel / 2595) - 1);
}

/// kFilters bands evenly spaced in mel between the band limits times warp, each a triangle of
/// unit area over the bins of a window of kWindow samples at rate. Sparse, because every frame
/// goes through one bank per warp.
std::vector<MelBand> melBands(int rate, float warp)
{
    const double low = hzToMel(kLowestBandHz * warp);
    const double high = hzToMel(std::min(kHighestBandHz * warp, 0.49f * float(rate)));
    std::vector<double> edges(kFilters + 2);
    for (int k = 0; k < kFilters + 2; ++k)
        edges[size_t(k)] = melToHz(low + (high - low) * k / (kFilters + 1));
    const double binHz = double(rate) / kWindow;
    std::vector<MelBand> bands(kFilters);
    for (int k = 0; k < kFilters; ++k) {
        const double left = edges[size_t(k)], centre = edges[size_t(k + 1)],
                     right = edges[size_t(k + 2)];
        const double height = 2 / (right - left);
        MelBand& band = bands[size_t(k)];
        band.firstBin = int(std::ceil(left / binHz));
        for (int bin = band.firstBin; bin * binHz < right && bin <= kWindow / 2; ++bin) {
            const double f = bin * binHz;
            const double rise =
                f < centre ? (f - left) / (centre - left) : (right - f) / (right - centre);
            band.weights.push_back(float(height * std::max(0.0, rise)));
        }
    }
    return bands;
}

/// The orthonormal DCT-II rows for the first kVoiceMfccCoefficients coefficients.
std::vector<float> dctMatrix()
{
    std::vector<float> m(size_t(kVoiceMfccCoefficients) * kFilters);
    for (int c = 0; c < kVoiceMfccCoefficients; ++c)
        for (int k = 0; k < kFilters; ++k)
            m[size_t(c * kFilters + k)] =
                float(std::sqrt((c == 0 ? 1.0 : 2.0) / kFilters) *
                      std::cos(std::numbers::pi * c * (2 * k + 1) / (2 * kFilters)));
    return m;
}

/// The samples with a faint, fixed pseudo-random hiss added (the same every run).
std::vector<float> dithered(const std::vector<float>& samples)
{
    std::vector<float> out(samples.size());
    uint32_t state = 0x9e3779b9u;
    for (size_t i = 0; i < samples.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        out[i] = samples[i] + kDither * (float(state >> 8) / float(1u << 24) - 0.5f);
    }
    return out;
}

} // namespace

std::vector<float> mfccFrames(const std::vector<float>& samples, int rate, int hop, int frames,
                              const std::vector<float>& warps)
{
    constexpr int n = kVoiceMfccCoefficients;
    frames = std::max(0, frames);
    const size_t block = size_t(frames) * n;
    std::vector<float> mfcc(block * warps.size(), 0.0f);
    if (frames == 0 || warps.empty())
        return mfcc;
    std::unique_ptr<aubio_pvoc_t, AubioPvocDeleter> pvoc(
        new_aubio_pvoc(uint_t(kWindow), uint_t(hop)));
    if (!pvoc)
        return mfcc;
    std::vector<std::vector<MelBand>> banks;
    for (float warp : warps)
        banks.push_back(melBands(rate, warp));
    const std::vector<float> dct = dctMatrix();
    AubioCvec spectrum(new_cvec(uint_t(kWindow)));
    std::vector<float> logBands(kFilters);
    feedCentredFrames(dithered(samples), kWindow, hop, frames, [&](int frame, const fvec_t* in) {
        aubio_pvoc_do(pvoc.get(), in, spectrum.get());
        if (frame < 0)
            return;
        const smpl_t* magnitude = spectrum->norm;
        for (size_t w = 0; w < banks.size(); ++w) {
            for (int k = 0; k < kFilters; ++k) {
                const MelBand& band = banks[w][size_t(k)];
                float sum = 0;
                for (size_t i = 0; i < band.weights.size(); ++i)
                    sum += band.weights[i] * magnitude[size_t(band.firstBin) + i];
                logBands[size_t(k)] = std::log10(std::max(sum, 1e-12f));
            }
            float* out = mfcc.data() + w * block + size_t(frame) * n;
            for (int c = 0; c < n; ++c) {
                float x = 0;
                for (int k = 0; k < kFilters; ++k)
                    x += dct[size_t(c * kFilters + k)] * logBands[size_t(k)];
                out[c] = x;
            }
        }
    });
    return mfcc;
}

void subtractCepstralMean(std::vector<float>& mfcc, int frames, int begin, int end)
{
    constexpr int n = kVoiceMfccCoefficients;
    if (frames <= 0)
        return;
    begin = std::clamp(begin, 0, frames);
    end = std::clamp(end, begin, frames);
    if (end == begin)
        return;
    const size_t block = size_t(frames) * n;
    for (size_t first = 0; first + block <= mfcc.size(); first += block) {
        float* rows = mfcc.data() + first;
        for (int c = 0; c < n; ++c) {
            double sum = 0;
            for (int f = begin; f < end; ++f)
                sum += rows[f * n + c];
            const float mean = float(sum / (end - begin));
            for (int f = 0; f < frames; ++f)
                rows[f * n + c] -= mean;
        }
    }
}

std::vector<float> cepstralDeltas(const std::vector<float>& mfcc, int frames)
{
    constexpr int n = kVoiceMfccCoefficients;
    std::vector<float> deltas(mfcc.size(), 0.0f);
    if (frames <= 0)
        return deltas;
    const size_t block = size_t(frames) * n;
    for (size_t first = 0; first + block <= mfcc.size(); first += block) {
        const float* rows = mfcc.data() + first;
        auto at = [&](int f, int c) { return rows[std::clamp(f, 0, frames - 1) * n + c]; };
        for (int f = 0; f < frames; ++f)
            for (int c = 0; c < n; ++c)
                deltas[first + size_t(f * n + c)] =
                    (at(f + 1, c) - at(f - 1, c) + 2 * (at(f + 2, c) - at(f - 2, c))) / 10;
    }
    return deltas;
}

float cepstralDistance(const float* a, const float* b)
{
    float sum = 0;
    for (int c = 1; c <= kComparedCoefficients; ++c) {
        const float d = a[c] - b[c];
        sum += d * d;
    }
    return std::sqrt(sum / float(kComparedCoefficients));
}

} // namespace kelvaro
