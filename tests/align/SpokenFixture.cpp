#include "SpokenFixture.h"

#include "analysis/Resampling.h"
#include "playback/WavFile.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <random>

namespace kelvaro::test {

namespace {

/// The first and one past the last sample of sound: 5 ms steps above the sound's peak less
/// 45 dB (and above -70 dBFS).
std::pair<size_t, size_t> soundExtent(const std::vector<float>& samples, int rate)
{
    const size_t step = size_t(rate / 200);
    std::vector<float> levels;
    for (size_t first = 0; first + step <= samples.size(); first += step) {
        double power = 0;
        for (size_t i = first; i < first + step; ++i)
            power += double(samples[i]) * samples[i];
        levels.push_back(float(10 * std::log10(power / double(step) + 1e-12)));
    }
    if (levels.empty())
        return {0, 0};
    const float peak = *std::max_element(levels.begin(), levels.end());
    const float floor = std::max(-70.0f, peak - 45);
    size_t first = 0, end = levels.size();
    while (first < end && levels[first] < floor)
        ++first;
    while (end > first && levels[end - 1] < floor)
        --end;
    return {first * step, end * step};
}

void addNoise(std::vector<float>& samples, float amplitude)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-amplitude, amplitude);
    for (float& s : samples)
        s += noise(random);
}

qint64 toMs(size_t samples)
{
    return qint64(samples) * 1000 / kSpokenRate;
}

/// Joins the spoken pieces with pauses and records where each one's sound lies.
SpokenFixture joined(const std::vector<std::vector<float>>& pieces, const QStringList& sentences,
                     const std::vector<int>& pausesMs, int leadMs, float noise)
{
    SpokenFixture fixture;
    fixture.sentences = sentences;
    fixture.samples.assign(size_t(leadMs) * kSpokenRate / 1000, 0.0f);
    for (size_t k = 0; k < pieces.size(); ++k) {
        const auto [first, end] = soundExtent(pieces[k], kSpokenRate);
        if (k > 0)
            fixture.samples.resize(fixture.samples.size() +
                                       size_t(pausesMs[(k - 1) % pausesMs.size()]) * kSpokenRate /
                                           1000,
                                   0.0f);
        const size_t at = fixture.samples.size();
        fixture.samples.insert(fixture.samples.end(), pieces[k].begin() + long(first),
                               pieces[k].begin() + long(end));
        fixture.speechMs.emplace_back(toMs(at), toMs(at + end - first));
    }
    fixture.samples.resize(fixture.samples.size() + size_t(leadMs) * kSpokenRate / 1000, 0.0f);
    if (noise > 0)
        addNoise(fixture.samples, noise);
    fixture.ok = true;
    return fixture;
}

} // namespace

SpokenFixture spokenFixture(const QStringList& sentences, const FixturePlan& plan)
{
    std::vector<std::vector<float>> pieces;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> spread(-plan.speedSpread, plan.speedSpread);
    for (const QString& sentence : sentences) {
        EspeakVoice voice = plan.voice;
        voice.wordsPerMinute = int(std::lround(voice.wordsPerMinute * (1 + spread(random))));
        Result<std::vector<float>> spoken = speakEnglish(sentence, voice);
        if (!spoken)
            return {};
        pieces.push_back(std::move(spoken.value()));
    }
    return joined(pieces, sentences, plan.pausesMs, plan.leadMs, plan.noise);
}

SpokenFixture alsaFixture(const std::vector<int>& pausesMs, float noise)
{
    const QStringList names = {"Front_Left", "Front_Center", "Front_Right", "Side_Left",
                               "Side_Right", "Rear_Left",    "Rear_Center", "Rear_Right"};
    std::vector<std::vector<float>> pieces;
    QStringList sentences;
    for (const QString& name : names) {
        Result<PcmSound> wav = readWav(QStringLiteral("/usr/share/sounds/alsa/%1.wav").arg(name));
        if (!wav)
            return {};
        const PcmSound& sound = *wav;
        std::vector<float> mono(size_t(sound.frames()));
        for (qint64 i = 0; i < sound.frames(); ++i) {
            float sum = 0;
            for (int c = 0; c < sound.format.channels; ++c)
                sum += sound.samples[size_t(i * sound.format.channels + c)];
            mono[size_t(i)] = sum / (32768.0f * float(sound.format.channels));
        }
        pieces.push_back(resampled(mono, sound.format.rate, kSpokenRate));
        sentences << QString(name).replace(u'_', u' ');
    }
    return joined(pieces, sentences, pausesMs, 500, noise);
}

qint64 BoundaryReport::medianMs() const
{
    if (errorsMs.empty())
        return 0;
    std::vector<qint64> sorted = errorsMs;
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

qint64 BoundaryReport::worstMs() const
{
    return errorsMs.empty() ? 0 : *std::max_element(errorsMs.begin(), errorsMs.end());
}

BoundaryReport measureBoundaries(const QVector<AlignedSentence>& aligned,
                                 const std::vector<std::pair<qint64, qint64>>& speechMs)
{
    BoundaryReport report;
    const int count = int(std::min<size_t>(size_t(aligned.size()), speechMs.size()));
    for (int k = 0; k < count; ++k) {
        const AlignedSentence& a = aligned[k];
        const auto [begin, end] = speechMs[size_t(k)];
        report.errorsMs.push_back(std::abs(a.startMs - begin));
        report.errorsMs.push_back(std::abs(a.endMs - end));
        report.ownSpeechCut += int(a.startMs > begin) + int(a.endMs < end);
        report.neighbourIncluded += int(k > 0 && a.startMs < speechMs[size_t(k - 1)].second) +
                                    int(k + 1 < count && a.endMs > speechMs[size_t(k + 1)].first);
    }
    return report;
}

} // namespace kelvaro::test
