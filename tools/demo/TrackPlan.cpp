#include "TrackPlan.h"

#include <algorithm>

namespace kelvaro {

TrackPlan planTrack(const QVector<QVector<qsizetype>>& sentenceLengths, const TrackTiming& timing)
{
    Q_ASSERT(timing.leadMargin + timing.tailMargin <
             std::min(timing.sentenceGap, timing.lessonGap));
    Q_ASSERT(timing.leadMargin <= timing.leadIn);
    const qint64 rate = timing.sampleRate;
    TrackPlan plan;
    qsizetype at = timing.leadIn;
    for (qsizetype lesson = 0; lesson < sentenceLengths.size(); ++lesson) {
        if (lesson > 0)
            at += timing.lessonGap - timing.sentenceGap;
        QVector<PlacedSentence> placed;
        for (qsizetype length : sentenceLengths[lesson]) {
            PlacedSentence sentence;
            sentence.first = at;
            sentence.end = at + length;
            sentence.startMs = qint64(sentence.first - timing.leadMargin) * 1000 / rate;
            sentence.endMs = (qint64(sentence.end + timing.tailMargin) * 1000 + rate - 1) / rate;
            placed.append(sentence);
            at = sentence.end + timing.sentenceGap;
        }
        plan.lessons.append(placed);
    }
    plan.totalSamples = std::max(at, timing.leadIn + timing.sentenceGap);
    return plan;
}

QVector<qint16> renderTrack(const TrackPlan& plan,
                            const QVector<QVector<QVector<qint16>>>& sentenceSamples)
{
    QVector<qint16> track(plan.totalSamples, 0);
    for (qsizetype lesson = 0; lesson < plan.lessons.size(); ++lesson) {
        for (qsizetype i = 0; i < plan.lessons[lesson].size(); ++i) {
            const QVector<qint16>& samples = sentenceSamples[lesson][i];
            std::copy(samples.cbegin(), samples.cend(),
                      track.begin() + plan.lessons[lesson][i].first);
        }
    }
    return track;
}

} // namespace kelvaro
