#pragma once

#include "content/Result.h"

#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

namespace kelvaro {

/// Where one sentence of a transcript lies in its recording.
struct AlignedSentence
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    double confidence = 0; ///< 0..1: how well the speech matched and whether pauses framed it
};

/// How an alignment runs.
struct AlignOptions
{
    std::function<void(int percent)> progress; ///< 0..100, steadily; may be empty
    const std::atomic_bool* cancel = nullptr;  ///< set from another thread to stop early
    /// The transcript's own (start, end) of each sentence in ms, -1 where it gives none; when
    /// given (one pair per sentence), each sentence is looked for only near its own times.
    std::vector<std::pair<qint64, qint64>> priorMs;
};

/// Where each of englishSentences (in the order spoken) lies in a recording of mono samples at
/// rate: the text is spoken by espeak-ng, warped onto the recording and each edge is moved into
/// the pause around it, so a sentence holds all of its own speech and none of its neighbours'.
/// Refused in Chinese when the text clearly is not what the recording says (or is far longer),
/// when espeak-ng cannot be started, or when cancelled.
Result<QVector<AlignedSentence>> alignSentences(const std::vector<float>& monoSamples, int rate,
                                                const QStringList& englishSentences,
                                                const AlignOptions& options = {});

} // namespace kelvaro
