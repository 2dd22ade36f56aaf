#pragma once

#include "playback/PcmSound.h"

#include <QString>

#include <vector>

namespace kelvaro::test {

/// A test recording: touching "sentences", each a tone of its own frequency.
struct ToneRecording
{
    int rate = 44100;
    int channels = 1;
    bool vbr = false;
    std::vector<double> bounds; ///< seconds: sentence i is bounds[i]..bounds[i+1]
    /// The tone frequency (Hz) of sentence i.
    static double frequency(int sentence) { return 300.0 + 170.0 * sentence; }
};

/// The PCM a recording is encoded from.
PcmSound synthesize(const ToneRecording& recording);

/// The recording encoded as mp3 by lame, made once and kept in the build tree; empty when
/// lame is not installed.
QString mp3File(const ToneRecording& recording);

/// The whole file decoded from its start in one pass, without a seek: the reference.
PcmSound decodeWhole(const QString& path, qint64 maxFrames = -1);

/// Where generated test audio is kept between runs.
QString audioCache();

} // namespace kelvaro::test
