#pragma once

#include <QVector>

namespace kelvaro {

/// How sentences are spaced in a lesson recording, in samples.
struct TrackTiming
{
    int sampleRate = 22050;
    qsizetype leadIn = 0;      ///< silence before the first sentence
    qsizetype sentenceGap = 0; ///< silence between sentences, and after the last
    qsizetype lessonGap = 0;   ///< silence between the last sentence of a lesson and the next
    qsizetype leadMargin = 0;  ///< silence kept inside Start..End before the speech
    qsizetype tailMargin = 0;  ///< silence kept inside Start..End after the speech
};

/// Where one sentence lies in the recording.
struct PlacedSentence
{
    qsizetype first = 0; ///< first sample of the speech
    qsizetype end = 0;   ///< one past its last sample
    qint64 startMs = 0;  ///< Start: the lead margin before the speech, rounded down
    qint64 endMs = 0;    ///< End: the tail margin after the speech, rounded up
};

/// The layout of one recording shared by consecutive lessons.
struct TrackPlan
{
    qsizetype totalSamples = 0;
    QVector<QVector<PlacedSentence>> lessons;
};

/// Lays the sentences of the lessons (their lengths in samples) one after the other.
/// Both margins together must stay under either gap, so Start..End never reaches a neighbour.
TrackPlan planTrack(const QVector<QVector<qsizetype>>& sentenceLengths, const TrackTiming& timing);

/// The recording: silence with each sentence's samples at its place in plan.
QVector<qint16> renderTrack(const TrackPlan& plan,
                            const QVector<QVector<QVector<qint16>>>& sentenceSamples);

} // namespace kelvaro
