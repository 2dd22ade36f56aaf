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
// Path distance over distance aside (see Contrast): the right text read by another voice or a
// person measured 0.53 to 0.60, the wrong text 0.64 to 0.67 on the tests' short recordings; a
// learner's recording with music or noise under it must not be refused for the right text.
constexpr double kGoodContrast = 0.45;
constexpr double kMismatchContrast = 0.72;
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

/// How much closer the recording's frames on the path are to the text's speech than frames half
/// a second to a second and a half aside: a warp finds some close frame for any text, but only
/// the right text stays close on the path and far off it.
struct Contrast
{
    double onPath = 0;
    double aside = 0;
    double ratio() const { return aside > 0 ? onPath / aside : kMismatchContrast; }
};

std::vector<Contrast> sentenceContrast(const WarpPath& path, const AlignmentFeatures& recording,
                                       const AlignmentFeatures& text,
                                       const std::vector<std::pair<int, int>>& speech)
{
    constexpr int kShifts[] = {-150, -100, -50, 50, 100, 150};
    std::vector<Contrast> out(speech.size());
    size_t k = 0;
    for (const auto& [r, c] : path) {
        while (k < speech.size() && c >= speech[k].second)
            ++k;
        if (k == speech.size())
            break;
        if (c < speech[k].first || speechShare(text.frame(c)) < 1 ||
            speechShare(recording.frame(r)) < 1)
            continue;
        const float* x = text.frame(c);
        out[k].onPath += frameDistance(recording.frame(r), x);
        for (int shift : kShifts)
            out[k].aside +=
                frameDistance(recording.frame(std::clamp(r + shift, 0, recording.frames - 1)), x) /
                double(std::size(kShifts));
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
        recording = alignmentFeatures(monoSamples, stages.stage(0, 15));
    } else {
        recording = alignmentFeatures(atAlignRate(monoSamples, rate), stages.stage(0, 15));
    }
    normaliseFeatures(recording);
    if (options.cancel && options.cancel->load())
        return Error{cancelled()};

    Result<SyntheticReading> spoken =
        readSentences(englishSentences, EspeakVoice(), stages.stage(15, 40), options.cancel);
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
        warpWithin(window, coarseRecording, coarseText, stages.stage(40, 60), options.cancel);
    if (path.empty())
        return Error{cancelled()};
    const AlignmentFeatures middleRecording = coarsened(recording, kMiddleFactor);
    const AlignmentFeatures middleText = coarsened(text, kMiddleFactor);
    path = warpWithin(windowAround(path, kCoarseFactor / kMiddleFactor, middleRecording.frames,
                                   middleText.frames, kMiddleRadius),
                      middleRecording, middleText, stages.stage(60, 70), options.cancel);
    if (path.empty())
        return Error{cancelled()};
    path = warpWithin(windowAround(path, kMiddleFactor, recording.frames, text.frames, kFineRadius),
                      recording, text, stages.stage(70, 95), options.cancel);
    if (path.empty())
        return Error{cancelled()};

    // Each sentence's speech through the path, and how closely it matched.
    const PathRows rows = pathRows(path, text.frames);
    const std::vector<Contrast> contrast = sentenceContrast(path, recording, text, textSpeech);
    std::vector<std::pair<int, int>> mapped;
    Contrast whole;
    for (size_t k = 0; k < textSpeech.size(); ++k) {
        const auto [first, end] = textSpeech[k];
        const int begin = rows.first[size_t(std::min(first, text.frames - 1))];
        const int stop = end > first ? rows.last[size_t(end - 1)] + 1 : begin;
        mapped.emplace_back(begin, std::max(begin, stop));
        whole.onPath += contrast[k].onPath;
        whole.aside += contrast[k].aside;
    }
    if (whole.ratio() >= kMismatchContrast)
        return Error{QStringLiteral("文本和录音似乎不相符：录音里的话和文本对不上"
                                    "（差异 %1，相符时通常低于 %2）")
                         .arg(whole.ratio(), 0, 'f', 2)
                         .arg(kMismatchContrast, 0, 'f', 2)};

    const std::vector<SentenceSpan> spans = snapToPauses(
        mapped, speechPauses(recording.levelsDb, kShortestPauseFrames), recording.frames);
    QVector<AlignedSentence> aligned;
    for (size_t k = 0; k < spans.size(); ++k) {
        const SentenceSpan& span = spans[k];
        const double match = std::clamp((kMismatchContrast - contrast[k].ratio()) /
                                            (kMismatchContrast - kGoodContrast),
                                        0.0, 1.0);
        const double framed = 0.5 + 0.25 * (int(span.beginInPause) + int(span.endInPause));
        aligned.append({std::min(lengthMs, qint64(span.begin) * kAlignFrameMs),
                        std::min(lengthMs, qint64(span.end) * kAlignFrameMs),
                        std::round(match * framed * 100) / 100});
    }
    stages.report(100);
    return aligned;
}

} // namespace kelvaro
