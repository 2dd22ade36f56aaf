#pragma once

// Recordings whose sentence times are known, for the aligner's tests and its probe: sentences
// spoken by espeak-ng in another voice than the aligner's, or the human voice of alsa-utils'
// sound check, joined with pauses of known length.
#include "align/EspeakVoice.h"
#include "align/SentenceAligner.h"

#include <QStringList>
#include <QVector>

#include <utility>
#include <vector>

namespace kelvaro::test {

/// A recording at kSpokenRate with the sentences it says and where each one's speech lies.
struct SpokenFixture
{
    std::vector<float> samples;
    QStringList sentences;
    std::vector<std::pair<qint64, qint64>> speechMs; ///< first to last sound of each sentence
    bool ok = false;
};

/// How a fixture is spoken.
struct FixturePlan
{
    EspeakVoice voice{"en+f3", 140, 70}; ///< British English, a woman's voice
    std::vector<int> pausesMs = {700};   ///< between sentences, used in turn
    int leadMs = 500;                    ///< silence before the first and after the last
    float noise = 0;                     ///< amplitude of white noise over everything
    double speedSpread = 0;              ///< each sentence's pace varies by up to this share
};

/// sentences spoken as plan says; ok false when espeak-ng failed.
SpokenFixture spokenFixture(const QStringList& sentences, const FixturePlan& plan);

/// The phrases of /usr/share/sounds/alsa (a human voice: "Front left", "Rear right", ...) joined
/// with the pauses in turn; ok false where they are missing.
SpokenFixture alsaFixture(const std::vector<int>& pausesMs, float noise = 0);

/// How an alignment's sentences lie against the speech they should hold.
struct BoundaryReport
{
    std::vector<qint64> errorsMs; ///< each start's and end's distance from its speech edge
    int ownSpeechCut = 0;         ///< edges inside their own sentence's speech
    int neighbourIncluded = 0;    ///< edges reaching into a neighbour's speech
    qint64 medianMs() const;
    qint64 worstMs() const;
};

BoundaryReport measureBoundaries(const QVector<AlignedSentence>& aligned,
                                 const std::vector<std::pair<qint64, qint64>>& speechMs);

} // namespace kelvaro::test
