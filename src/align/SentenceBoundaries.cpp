#include "SentenceBoundaries.h"

#include <algorithm>
#include <limits>

namespace kelvaro {

namespace {

constexpr int kReachFrames = 100;  // how far from the warp's guess a pause may lie
constexpr int kEdgeFrames = 15;    // a sentence's margin of pause before and after its speech
constexpr double kEdgeShare = 0.4; // never more than this share of the pause
constexpr double kLengthPreference = 0.5; // frames of distance a frame of pause length is worth
constexpr int kLongEnough = 100;          // a longer pause is no surer a boundary

/// How well pause p fits a gap the warp put at [from, to]: lower is better.
double fit(const SpeechPause& p, int from, int to)
{
    const int distance = p.end <= from ? from - p.end : p.begin >= to ? p.begin - to : 0;
    return distance - kLengthPreference * std::min(p.length(), kLongEnough);
}

int margin(const SpeechPause& p)
{
    return std::min(kEdgeFrames, int(kEdgeShare * p.length()));
}

} // namespace

std::vector<SentenceSpan> snapToPauses(const std::vector<std::pair<int, int>>& speech,
                                       const std::vector<SpeechPause>& pauses, int frames)
{
    const int count = int(speech.size());
    std::vector<SentenceSpan> spans(static_cast<size_t>(count));
    if (count == 0)
        return spans;
    for (int k = 0; k < count; ++k)
        spans[size_t(k)] = {speech[size_t(k)].first, speech[size_t(k)].second, false, false};

    // The gaps between sentences, in order; each takes a later pause than the one before.
    int used = -1; // index of the last pause taken
    std::vector<int> taken(size_t(count + 1), -1);
    for (int k = 1; k < count; ++k) {
        const int from = std::min(speech[size_t(k - 1)].second, speech[size_t(k)].first);
        const int to = std::max(speech[size_t(k - 1)].second, speech[size_t(k)].first);
        int best = -1;
        double bestFit = std::numeric_limits<double>::infinity();
        for (int p = used + 1; p < int(pauses.size()); ++p) {
            const SpeechPause& pause = pauses[size_t(p)];
            if (pause.begin > to + kReachFrames)
                break;
            if (pause.end < from - kReachFrames || pause.begin == 0 || pause.end == frames)
                continue;
            if (const double f = fit(pause, from, to); f < bestFit) {
                bestFit = f;
                best = p;
            }
        }
        taken[size_t(k)] = best;
        if (best >= 0) {
            used = best;
            const SpeechPause& pause = pauses[size_t(best)];
            spans[size_t(k - 1)].end = pause.begin + margin(pause);
            spans[size_t(k - 1)].endInPause = true;
            spans[size_t(k)].begin = pause.end - margin(pause);
            spans[size_t(k)].beginInPause = true;
        } else {
            const int middle = (from + to) / 2;
            spans[size_t(k - 1)].end = middle;
            spans[size_t(k)].begin = middle;
        }
    }

    // The first sentence starts in the pause before its speech, the last ends in the one after;
    // as between sentences, a long pause near is surer than a stop's closure nearer.
    const int firstLimit =
        count > 1 && taken[1] >= 0 ? pauses[size_t(taken[1])].begin : speech[0].second;
    const int start = speech[0].first;
    int lead = -1;
    double leadFit = std::numeric_limits<double>::infinity();
    for (int p = 0; p < int(pauses.size()) && pauses[size_t(p)].end <= firstLimit; ++p) {
        const SpeechPause& pause = pauses[size_t(p)];
        if (pause.end < start - kReachFrames || pause.end > start + kReachFrames)
            continue;
        // The recording's own lead silence, when near, is where the first sentence starts.
        const double f = pause.begin == 0 ? -kReachFrames : fit(pause, start, start);
        if (f < leadFit) {
            leadFit = f;
            lead = p;
        }
    }
    if (lead >= 0) {
        const SpeechPause& pause = pauses[size_t(lead)];
        spans[0].begin =
            pause.begin == 0 ? std::max(0, pause.end - kEdgeFrames) : pause.end - margin(pause);
        spans[0].beginInPause = true;
    }
    const int lastFloor = count > 1 && taken[size_t(count - 1)] >= 0
                              ? pauses[size_t(taken[size_t(count - 1)])].end
                              : speech[size_t(count - 1)].first;
    const int stop = speech[size_t(count - 1)].second;
    int tail = -1;
    double tailFit = std::numeric_limits<double>::infinity();
    for (int p = int(pauses.size()) - 1; p >= 0 && pauses[size_t(p)].begin >= lastFloor; --p) {
        const SpeechPause& pause = pauses[size_t(p)];
        if (pause.begin < stop - kReachFrames || pause.begin > stop + kReachFrames)
            continue;
        const double f = pause.end == frames ? -kReachFrames : fit(pause, stop, stop);
        if (f < tailFit) {
            tailFit = f;
            tail = p;
        }
    }
    if (tail >= 0) {
        const SpeechPause& pause = pauses[size_t(tail)];
        spans[size_t(count - 1)].end = pause.end == frames
                                           ? std::min(frames, pause.begin + kEdgeFrames)
                                           : pause.begin + margin(pause);
        spans[size_t(count - 1)].endInPause = true;
    }
    // A gap without a pause next to one with a pause could put a middle before the pause's edge.
    int previousEnd = 0;
    for (SentenceSpan& span : spans) {
        span.begin = std::clamp(span.begin, previousEnd, frames);
        span.end = std::clamp(span.end, span.begin, frames);
        previousEnd = span.end;
    }
    return spans;
}

} // namespace kelvaro
