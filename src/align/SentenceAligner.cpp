#include "SentenceAligner.h"

#include "AlignmentFeatures.h"
#include "SentenceBoundaries.h"
#include "SpeechPauses.h"
#include "SyntheticReading.h"
#include "WindowedWarp.h"

#include "analysis/Resampling.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

// The warp runs three times: on frames of 160 ms over a wide band, then on 40 ms and 10 ms
// frames near the path found one level up.
constexpr int kCoarseFactor = 16;
constexpr int kMiddleFactor = 4;
constexpr double kBandShare = 0.2; // of the longer side, each way of the diagonal
constexpr int kNarrowestBand = 60; // coarse frames (about 10 s)
constexpr long long kMostCoarseCells = 40'000'000;
constexpr int kMiddleRadius = 10;        // in middle frames
constexpr int kFineRadius = 20;          // in fine frames
constexpr int kPriorReachFrames = 300;   // a transcript's own time is off by at most 3 s
constexpr int kShortestPauseFrames = 15; // a stop before a "t" or "k" is shorter
// The text's path distance over its decoy's (see backwards): the right text read by another
// voice or a person measured 0.78 to 0.87, the wrong text 0.93 to 0.96 on the tests' short
// recordings.
constexpr double kGoodContrast = 0.8;
constexpr double kMismatchContrast = 0.92;
constexpr int kDecoyRadius = 100;             // fine frames each way of the text's path
constexpr double kShortestSpeechShare = 0.35; // of the text's spoken length

/// Reports the steps of the alignment as one steady 0..100.
class Stages
{
public:
    explicit Stages(const std::function<void(int)>& progress) : m_progress(progress) {}

    /// A reporter for the share of the whole from `from` to `to` percent.
    std::function<void(int)> stage(int from, int to)
    {
        if (!m_progress)
            return {};
        return [this, from, to](int percent) {
            report(from + (to - from) * std::clamp(percent, 0, 100) / 100);
        };
    }
    void report(int percent)
    {
        if (m_progress && percent > m_reported)
            m_progress(m_reported = percent);
    }

private:
    std::function<void(int)> m_progress;
    int m_reported = -1;
};

/// The samples at kAlignRate, converted a stretch at a time so a long recording is never held
/// twice at its own rate.
std::vector<float> atAlignRate(const std::vector<float>& samples, int rate)
{
    const size_t stretch = size_t(rate) * 10;
    std::vector<float> out;
    out.reserve(size_t(double(samples.size()) * kAlignRate / rate) + 16);
    std::vector<float> part;
    for (size_t first = 0; first < samples.size(); first += stretch) {
        part.assign(samples.begin() + long(first),
                    samples.begin() + long(std::min(samples.size(), first + stretch)));
        const std::vector<float> converted = resampled(part, rate, kAlignRate);
        out.insert(out.end(), converted.begin(), converted.end());
    }
    return out;
}

int speechFrames(const AlignmentFeatures& features)
{
    const float threshold = pauseThresholdDb(features.levelsDb);
    return int(std::count_if(features.levelsDb.begin(), features.levelsDb.end(),
                             [threshold](float level) { return level >= threshold; }));
}

/// The path's first and last row at each column.
struct PathRows
{
    std::vector<int> first, last;
};

PathRows pathRows(const WarpPath& path, int columns)
{
    PathRows out;
    out.first.assign(size_t(columns), -1);
    out.last.assign(size_t(columns), -1);
    for (const auto& [r, c] : path) {
        if (out.first[size_t(c)] < 0)
            out.first[size_t(c)] = r;
        out.last[size_t(c)] = r;
    }
    return out;
}

/// The text's features with each sentence's speech in reverse order.
AlignmentFeatures backwards(const AlignmentFeatures& text,
                            const std::vector<std::pair<int, int>>& speech)
{
    AlignmentFeatures out = text;
    for (const auto& [first, end] : speech)
        for (int a = first, b = end - 1; a < b; ++a, --b)
            std::swap_ranges(out.values.begin() + long(a) * kAlignDims,
                             out.values.begin() + long(a + 1) * kAlignDims,
                             out.values.begin() + long(b) * kAlignDims);
    return out;
}

/// Each sentence's distance summed over the path's cells where both sides speak.
std::vector<double> sentenceCost(const WarpPath& path, const AlignmentFeatures& recording,
                                 const AlignmentFeatures& text,
                                 const std::vector<std::pair<int, int>>& speech)
{
    std::vector<double> out(speech.size(), 0.0);
    size_t k = 0;
    for (const auto& [r, c] : path) {
        while (k < speech.size() && c >= speech[k].second)
            ++k;
        if (k == speech.size())
            break;
        if (c >= speech[k].first && speechShare(text.frame(c)) >= 1 &&
            speechShare(recording.frame(r)) >= 1)
            out[k] += frameDistance(recording.frame(r), text.frame(c));
    }
    return out;
}

QString cancelled()
{
    return QStringLiteral("对齐已取消");
}

} // namespace

Result<QVector<AlignedSentence>> alignSentences(const std::vector<float>& monoSamples, int rate,
                                                const QStringList& englishSentences,
                                                const AlignOptions& options)
{
    if (englishSentences.isEmpty())
        return QVector<AlignedSentence>();
    if (rate <= 0 || monoSamples.empty())
        return Error{QStringLiteral("录音是空的，无法对齐")};
    Stages stages(options.progress);
    stages.report(0);
    const qint64 lengthMs = qint64(monoSamples.size()) * 1000 / rate;

    AlignmentFeatures recording;
    if (rate == kAlignRate) {
        recording = alignmentFeatures(monoSamples, stages.stage(0, 30));
    } else {
        recording = alignmentFeatures(atAlignRate(monoSamples, rate), stages.stage(0, 30));
    }
    normaliseFeatures(recording);
    if (options.cancel && options.cancel->load())
        return Error{cancelled()};

    Result<SyntheticReading> spoken =
        readSentences(englishSentences, EspeakVoice(), stages.stage(30, 75), options.cancel);
    if (!spoken)
        return Error{spoken.error()};
    AlignmentFeatures& text = spoken.value().features;
    const std::vector<std::pair<int, int>>& textSpeech = spoken->speech;
    normaliseFeatures(text);
    if (recording.frames < 2 || text.frames < 2)
        return Error{QStringLiteral("录音太短，无法对齐")};
    if (speechFrames(recording) < kShortestSpeechShare * speechFrames(text))
        return Error{QStringLiteral("录音比文本短得多（约 %1 秒的话音，文本读出来约 %2 秒），"
                                    "文本和录音似乎不相符")
                         .arg(speechFrames(recording) / 100)
                         .arg(speechFrames(text) / 100)};

    // Coarse to fine: each level searches near the path of the level above.
    const AlignmentFeatures coarseRecording = coarsened(recording, kCoarseFactor);
    const AlignmentFeatures coarseText = coarsened(text, kCoarseFactor);
    WarpWindow window;
    if (options.priorMs.size() == size_t(englishSentences.size())) {
        std::vector<std::pair<int, int>> points{{0, 0}};
        for (size_t k = 0; k < options.priorMs.size(); ++k) {
            const auto [startMs, endMs] = options.priorMs[k];
            if (startMs >= 0)
                points.emplace_back(int(startMs / kAlignFrameMs / kCoarseFactor),
                                    textSpeech[k].first / kCoarseFactor);
            if (endMs >= 0)
                points.emplace_back(int(endMs / kAlignFrameMs / kCoarseFactor),
                                    textSpeech[k].second / kCoarseFactor);
        }
        points.emplace_back(coarseRecording.frames - 1, coarseText.frames - 1);
        for (auto& [r, c] : points)
            r = std::clamp(r, 0, coarseRecording.frames - 1);
        // Times that go backwards cannot guide a path; keep those that go on.
        std::vector<std::pair<int, int>> onward;
        for (const auto& point : points)
            if (onward.empty() ||
                (point.first >= onward.back().first && point.second >= onward.back().second))
                onward.push_back(point);
        window = windowAround(pathThrough(onward), 1, coarseRecording.frames, coarseText.frames,
                              kPriorReachFrames / kCoarseFactor);
    } else {
        int radius = std::max(
            kNarrowestBand, int(kBandShare * std::max(coarseRecording.frames, coarseText.frames)));
        radius = int(std::min<long long>(radius, kMostCoarseCells / 2 / coarseRecording.frames));
        window = diagonalBand(coarseRecording.frames, coarseText.frames, radius);
    }
    WarpPath path =
        warpWithin(window, coarseRecording, coarseText, stages.stage(75, 81), options.cancel);
    if (path.empty())
        return Error{cancelled()};
    const AlignmentFeatures middleRecording = coarsened(recording, kMiddleFactor);
    const AlignmentFeatures middleText = coarsened(text, kMiddleFactor);
    path = warpWithin(windowAround(path, kCoarseFactor / kMiddleFactor, middleRecording.frames,
                                   middleText.frames, kMiddleRadius),
                      middleRecording, middleText, stages.stage(81, 84), options.cancel);
    if (path.empty())
        return Error{cancelled()};
    const WarpWindow fineWindow =
        windowAround(path, kMiddleFactor, recording.frames, text.frames, kFineRadius);
    path = warpWithin(fineWindow, recording, text, stages.stage(84, 92), options.cancel);
    if (path.empty())
        return Error{cancelled()};
    // The same window searched again for the text with each sentence's speech played backwards:
    // as like the recording in voice and sounds, but not in order. The right text fits far
    // better than its decoy; a wrong one hardly better.
    const AlignmentFeatures decoy = backwards(text, textSpeech);
    const WarpPath decoyPath =
        warpWithin(windowAround(path, 1, recording.frames, text.frames, kDecoyRadius), recording,
                   decoy, stages.stage(92, 99), options.cancel);
    if (decoyPath.empty())
        return Error{cancelled()};

    // Each sentence's speech through the path, and how closely it matched.
    const PathRows rows = pathRows(path, text.frames);
    const std::vector<double> fit = sentenceCost(path, recording, text, textSpeech);
    const std::vector<double> decoyFit = sentenceCost(decoyPath, recording, decoy, textSpeech);
    std::vector<std::pair<int, int>> mapped;
    double fitSum = 0, decoySum = 0;
    for (size_t k = 0; k < textSpeech.size(); ++k) {
        const auto [first, end] = textSpeech[k];
        const int begin = rows.first[size_t(std::min(first, text.frames - 1))];
        const int stop = end > first ? rows.last[size_t(end - 1)] + 1 : begin;
        mapped.emplace_back(begin, std::max(begin, stop));
        fitSum += fit[k];
        decoySum += decoyFit[k];
    }
    const double wholeContrast = decoySum > 0 ? fitSum / decoySum : 1.0;
    if (wholeContrast >= kMismatchContrast)
        return Error{QStringLiteral("文本和录音似乎不相符：录音里的话和文本对不上"
                                    "（差异 %1，相符时通常低于 %2）")
                         .arg(wholeContrast, 0, 'f', 2)
                         .arg(kMismatchContrast, 0, 'f', 2)};

    const std::vector<SentenceSpan> spans = snapToPauses(
        mapped, speechPauses(recording.levelsDb, kShortestPauseFrames), recording.frames);
    QVector<AlignedSentence> aligned;
    for (size_t k = 0; k < spans.size(); ++k) {
        const SentenceSpan& span = spans[k];
        const double contrast = decoyFit[k] > 0 ? fit[k] / decoyFit[k] : 1.0;
        const double match = std::clamp(
            (kMismatchContrast - contrast) / (kMismatchContrast - kGoodContrast), 0.0, 1.0);
        const double framed = 0.5 + 0.25 * (int(span.beginInPause) + int(span.endInPause));
        aligned.append({std::min(lengthMs, qint64(span.begin) * kAlignFrameMs),
                        std::min(lengthMs, qint64(span.end) * kAlignFrameMs),
                        std::round(match * framed * 100) / 100});
    }
    stages.report(100);
    return aligned;
}

} // namespace kelvaro
