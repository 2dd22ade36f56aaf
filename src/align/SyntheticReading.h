#pragma once

#include "AlignmentFeatures.h"
#include "EspeakVoice.h"

#include "content/Result.h"

#include <QStringList>

#include <atomic>
#include <functional>
#include <utility>
#include <vector>

namespace kelvaro {

/// The sentences read aloud one after another by the reference voice, as features.
struct SyntheticReading
{
    AlignmentFeatures features;              ///< not yet normalised
    std::vector<std::pair<int, int>> speech; ///< each sentence's speech, [begin, end) frames
};

/// Speaks each sentence with espeak-ng in voice and joins them with a steady pause (and one before
/// the first and after the last), each sentence's own lead and tail silence cut. A sentence that
/// gives no sound gets an empty span where it stands. Refused when espeak-ng fails or when
/// cancelled; progress 0..100.
Result<SyntheticReading> readSentences(const QStringList& sentences, const EspeakVoice& voice,
                                       const std::function<void(int)>& progress,
                                       const std::atomic_bool* cancel);

} // namespace kelvaro
