#pragma once

#include <vector>

namespace kelvaro {

/// A run of quiet frames [begin, end) between stretches of speech.
struct SpeechPause
{
    int begin = 0;
    int end = 0;

    int length() const { return end - begin; }
};

/// The level in dB below which a frame of a recording counts as a pause: a quarter of the way
/// from its background (the quietest tenth) up to its speech, and never more than 45 dB under
/// the speech, so a hiss or a hum of any loudness stays a pause while a soft "f" or "h" at a
/// sentence's edge is speech.
float pauseThresholdDb(const std::vector<float>& levelsDb);

/// The pauses of a recording from its frame levels: runs below pauseThresholdDb of at least
/// shortestFrames, bridging sounds of up to kClickFrames (a click, a breath's peak). The
/// recording's lead and tail silences count. In order.
std::vector<SpeechPause> speechPauses(const std::vector<float>& levelsDb, int shortestFrames);

/// Bursts this short (in frames) inside a pause do not end it.
constexpr int kClickFrames = 3;

} // namespace kelvaro
