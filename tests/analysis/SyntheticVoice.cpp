#include "SyntheticVoice.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace kelvaro::test {

namespace {

/// Gain of a resonance of the given centre at frequency f (bandwidth about 80 Hz).
double resonance(double f, double centre)
{
    const double bandwidth = 80;
    const double x = (f - centre) / bandwidth;
    return 1 / std::sqrt(1 + x * x);
}

} // namespace

VoiceSignal render(const Utterance& utterance, int rate)
{
    VoiceSignal signal;
    signal.rate = rate;
    std::vector<float>& out = signal.samples;
    out.assign(size_t(utterance.leadSeconds * rate), 0.0f);
    double phase = 0;
    for (const Syllable& s : utterance.syllables) {
        const size_t count = size_t(s.seconds * rate);
        const double gain = std::pow(10.0, s.levelDb / 20);
        const size_t fade = size_t(0.01 * rate);
        for (size_t n = 0; n < count; ++n) {
            const double share = double(n) / double(count);
            const double f0 = s.startHz * std::pow(s.endHz / s.startHz, share);
            phase += 2 * std::numbers::pi * f0 / rate;
            double x = 0;
            for (int k = 1; k * f0 < std::min(4000.0, 0.45 * rate); ++k) {
                const double f = k * f0;
                x += (resonance(f, s.formant1) + 0.6 * resonance(f, s.formant2)) *
                     std::sin(k * phase) / std::sqrt(double(k));
            }
            const double ramp =
                std::min({1.0, double(n) / double(fade), double(count - n) / double(fade)});
            out.push_back(float(0.12 * gain * ramp * x));
        }
        out.insert(out.end(), size_t(s.pauseSeconds * rate), 0.0f);
    }
    out.insert(out.end(), size_t(utterance.trailSeconds * rate), 0.0f);
    return signal;
}

Utterance stretched(Utterance utterance, double factor)
{
    for (Syllable& s : utterance.syllables) {
        s.seconds *= factor;
        s.pauseSeconds *= factor;
    }
    return utterance;
}

Utterance transposed(Utterance utterance, double factor)
{
    for (Syllable& s : utterance.syllables) {
        s.startHz *= factor;
        s.endHz *= factor;
    }
    return utterance;
}

Utterance sampleSentence()
{
    Utterance u;
    u.syllables = {
        {0.18, 110, 120, 700, 1200},          {0.22, 125, 150, 300, 2300},
        {0.30, 160, 150, 500, 1000, 0, 0.08}, {0.16, 120, 110, 600, 1800},
        {0.25, 110, 100, 350, 900},           {0.35, 105, 85, 650, 1100},
    };
    return u;
}

Utterance otherSentence()
{
    Utterance u;
    u.syllables = {
        {0.25, 100, 95, 300, 900},   {0.20, 95, 95, 750, 1300}, {0.24, 130, 100, 280, 2500},
        {0.30, 100, 100, 550, 1700}, {0.20, 90, 95, 400, 800},  {0.30, 100, 130, 700, 1200},
    };
    return u;
}

double syllableStart(const Utterance& utterance, int i)
{
    double t = utterance.leadSeconds;
    for (int k = 0; k < i; ++k)
        t += utterance.syllables[size_t(k)].seconds + utterance.syllables[size_t(k)].pauseSeconds;
    return t;
}

int frameAt(double seconds)
{
    return int(std::lround(seconds / kVoiceFrameSeconds));
}

VoiceSignal noise(double seconds, double levelDb, int rate, unsigned seed)
{
    VoiceSignal signal;
    signal.rate = rate;
    std::mt19937 generator(seed);
    std::normal_distribution<float> gauss(0.0f, float(std::pow(10.0, levelDb / 20)));
    signal.samples.resize(size_t(seconds * rate));
    for (float& x : signal.samples)
        x = gauss(generator);
    return signal;
}

VoiceSignal mixed(VoiceSignal a, const VoiceSignal& b)
{
    for (size_t i = 0; i < std::min(a.samples.size(), b.samples.size()); ++i)
        a.samples[i] += b.samples[i];
    return a;
}

} // namespace kelvaro::test
