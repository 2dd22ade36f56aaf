#pragma once

#include "content/Result.h"

#include <QString>

#include <functional>
#include <vector>

namespace kelvaro {

/// Reports how far a long step has come, 0..100.
using ImportProgress = std::function<void(int percent)>;

/// What decoding a stored mp3 from start to end found.
struct RecordingScan
{
    qint64 frames = 0;
    int rate = 0;
    std::vector<float> levelsDb; ///< RMS level of each kLevelHopMs of the recording, in dBFS
    /// The recording as mono samples at kAlignRate, for aligning a transcript; empty unless
    /// asked for.
    std::vector<float> alignSamples;

    static constexpr int kLevelHopMs = 10;

    /// The whole recording in milliseconds.
    qint64 lengthMs() const { return rate > 0 ? frames * 1000 / rate : 0; }
    /// Where the speech that begins at fromMs ends: the end of the last stretch above silence
    /// after fromMs; the recording's end when there is none.
    qint64 speechEndMs(qint64 fromMs) const;
};

/// Decodes the mp3 at path as the player does (gapless) and measures it, keeping its samples for
/// the aligner when forAlignment; an unreadable or empty recording is refused with a Chinese
/// message that names the file.
Result<RecordingScan> scanMp3(const QString& path, const ImportProgress& progress = {},
                              bool forAlignment = false);

} // namespace kelvaro
