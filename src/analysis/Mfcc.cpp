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

std::vector<float> mfccFrames(const std::vector<float>& samples, int rate, int hop, int frames)
{
    constexpr int n = kVoiceMfccCoefficients;
    std::vector<float> mfcc(size_t(std::max(0, frames)) * n, 0.0f);
    if (frames <= 0)
        return mfcc;
    std::unique_ptr<aubio_pvoc_t, AubioPvocDeleter> pvoc(
        new_aubio_pvoc(uint_t(kWindow), uint_t(hop)));
    std::unique_ptr<aubio_mfcc_t, AubioMfccDeleter> bank(
        new_aubio_mfcc(uint_t(kWindow), uint_t(kFilters), uint_t(n), uint_t(rate)));
    if (!pvoc || !bank)
        return mfcc;
    AubioCvec spectrum(new_cvec(uint_t(kWindow)));
    AubioFvec coefficients(new_fvec(uint_t(n)));
    feedCentredFrames(dithered(samples), kWindow, hop, frames, [&](int frame, const fvec_t* block) {
        aubio_pvoc_do(pvoc.get(), block, spectrum.get());
        if (frame < 0)
            return;
        aubio_mfcc_do(bank.get(), spectrum.get(), coefficients.get());
        std::copy_n(coefficients->data, n, mfcc.begin() + long(frame) * n);
    });
    return mfcc;
}

void subtractCepstralMean(std::vector<float>& mfcc, int begin, int end)
{
    constexpr int n = kVoiceMfccCoefficients;
    const int frames = int(mfcc.size() / n);
    begin = std::clamp(begin, 0, frames);
    end = std::clamp(end, begin, frames);
    if (end == begin)
        return;
    for (int c = 0; c < n; ++c) {
        double sum = 0;
        for (int f = begin; f < end; ++f)
            sum += mfcc[size_t(f * n + c)];
        const float mean = float(sum / (end - begin));
        for (int f = 0; f < frames; ++f)
            mfcc[size_t(f * n + c)] -= mean;
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
