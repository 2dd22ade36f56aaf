#include "Mfcc.h"

#include "AubioFrames.h"
#include "VoiceAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

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
struct AubioMfccDeleter
{
    void operator()(aubio_mfcc_t* m) const { del_aubio_mfcc(m); }
};

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
    // One filter bank per warp over the same spectrum.
    std::vector<std::unique_ptr<aubio_mfcc_t, AubioMfccDeleter>> banks;
    for (float warp : warps) {
        banks.emplace_back(
            new_aubio_mfcc(uint_t(kWindow), uint_t(kFilters), uint_t(n), uint_t(rate)));
        if (!banks.back())
            return mfcc;
        const float top = std::min(kHighestBandHz * warp, 0.49f * float(rate));
        aubio_mfcc_set_mel_coeffs(banks.back().get(), smpl_t(kLowestBandHz * warp), smpl_t(top));
    }
    AubioCvec spectrum(new_cvec(uint_t(kWindow)));
    AubioFvec coefficients(new_fvec(uint_t(n)));
    feedCentredFrames(dithered(samples), kWindow, hop, frames, [&](int frame, const fvec_t* in) {
        aubio_pvoc_do(pvoc.get(), in, spectrum.get());
        if (frame < 0)
            return;
        for (size_t w = 0; w < banks.size(); ++w) {
            aubio_mfcc_do(banks[w].get(), spectrum.get(), coefficients.get());
            std::copy_n(coefficients->data, n, mfcc.begin() + long(w * block) + long(frame) * n);
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
