#pragma once

#include "SpeechPauses.h"

#include <utility>
#include <vector>

namespace kelvaro {

/// Where a sentence lies in a recording, in frames, and whether each edge was put in a pause.
struct SentenceSpan
{
    int begin = 0;
    int end = 0;
    bool beginInPause = false;
    bool endInPause = false;
};

/// The sentences' spans from where the warp put their speech ([begin, end) frames each, in
/// order), each edge moved into the nearest fitting pause within reach: a sentence then starts a
/// little before its first sound and ends a little after its last, and two sentences never
/// share a frame. An edge with no pause near keeps the warp's place (two neighbours then meet
/// half-way between their speech).
std::vector<SentenceSpan> snapToPauses(const std::vector<std::pair<int, int>>& speech,
                                       const std::vector<SpeechPause>& pauses, int frames);

} // namespace kelvaro
