#include "VoiceAnalysis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvaro {

// First cut: envelope, level and a straight alignment; pitch and MFCC come next.

VoiceSignal voiceSignal(const std::vector<short>& interleaved, int channels, int rate)
{
    VoiceSignal signal;
    signal.rate = rate;
    if (channels <= 0)
        return signal;
    const size_t frames = interleaved.size() / size_t(channels);
    signal.samples.resize(frames);
    for (size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += interleaved[i * size_t(channels) + size_t(c)];
        signal.samples[i] = sum / (32768.0f * float(channels));
    }
    return signal;
}

VoiceTrack analyseVoice(const VoiceSignal& signal)
{
    VoiceTrack track;
    if (signal.rate <= 0)
        return track;
    const double step = double(signal.rate) / kVoiceRate;
    const size_t count = size_t(double(signal.samples.size()) / step);
    const int frames = int(count / kVoiceHop);
    track.seconds = double(count) / kVoiceRate;
    track.envelope.assign(size_t(frames), 0.0f);
    track.energyDb.assign(size_t(frames), -120.0f);
    track.pitchHz.assign(size_t(frames), 0.0f);
    track.semitones.assign(size_t(frames), std::numeric_limits<float>::quiet_NaN());
    track.mfcc.assign(size_t(frames) * kVoiceMfccCoefficients, 0.0f);
    for (int f = 0; f < frames; ++f) {
        double peak = 0, power = 0;
        for (int i = 0; i < kVoiceHop; ++i) {
            const double x = signal.samples[size_t(double(f * kVoiceHop + i) * step)];
            peak = std::max(peak, std::abs(x));
            power += x * x;
        }
        track.envelope[size_t(f)] = float(peak);
        track.energyDb[size_t(f)] = float(10 * std::log10(power / kVoiceHop + 1e-12));
    }
    int begin = 0, end = frames;
    while (begin < end && track.energyDb[size_t(begin)] < -40)
        ++begin;
    while (end > begin && track.energyDb[size_t(end - 1)] < -40)
        --end;
    track.speechBegin = begin;
    track.speechEnd = end;
    return track;
}

VoiceComparison compareVoices(const VoiceTrack& lesson, const VoiceTrack& take)
{
    VoiceComparison result;
    result.lesson = lesson;
    result.take = take;
    result.takeFrameAt.assign(size_t(lesson.frames()), -1);
    result.warpedTakeSemitones.assign(size_t(lesson.frames()),
                                      std::numeric_limits<float>::quiet_NaN());
    if (!lesson.hasSpeech() || !take.hasSpeech())
        return result;
    const int n = lesson.speechEnd - lesson.speechBegin;
    const int m = take.speechEnd - take.speechBegin;
    for (int i = 0; i < n; ++i) {
        const int j = take.speechBegin + int(std::lround(double(i) * (m - 1) / std::max(1, n - 1)));
        result.path.emplace_back(lesson.speechBegin + i, j);
        result.takeFrameAt[size_t(lesson.speechBegin + i)] = j;
    }
    result.durationRatio = double(m) / n;
    result.advice = VoiceAdvice::Good;
    return result;
}

QString voiceAdviceText(VoiceAdvice advice)
{
    switch (advice) {
    case VoiceAdvice::Good:
        return QStringLiteral("读得很好，和标准读音很接近。");
    case VoiceAdvice::TooSlow:
        return QStringLiteral("读得太慢了，试着读得连贯一些。");
    case VoiceAdvice::TooFast:
        return QStringLiteral("读得太快了，放慢一点，把每个词读清楚。");
    case VoiceAdvice::FlatIntonation:
        return QStringLiteral("语调太平了，注意句子的升降。");
    case VoiceAdvice::MissingStress:
        return QStringLiteral("漏掉了一个重读音节，注意标出的地方。");
    case VoiceAdvice::DifferentWords:
        return QStringLiteral("读的内容和这句不太一样，再听一遍标准读音。");
    case VoiceAdvice::NoSpeech:
        return QStringLiteral("没有听到声音，请靠近麦克风再录一次。");
    }
    return {};
}

} // namespace kelvaro
