#pragma once

#include "VoiceAnalysis.h"

#include <vector>

namespace kelvaro {

/// Pearson correlation of two contours over the frames where both are numbers (not NaN); 0 when
/// fewer than a syllable's worth of frames are shared or either contour is level there.
double contourCorrelation(const std::vector<float>& a, const std::vector<float>& b);

/// How far a reading's pitch moves: the semitones between the 10th and the 90th percentile of
/// its voiced frames within the speech range; 0 with too few voiced frames.
double semitoneSpread(const VoiceTrack& track);

/// The lesson frame of a stressed syllable (a clear energy peak of the lesson's reading) whose
/// aligned stretch of the take is much weaker than the take's own peaks; -1 when every stressed
/// syllable is there. Needs the comparison's takeFrameAt.
int missedStressFrame(const VoiceComparison& comparison);

/// 0..100 from the alignment cost (the words and their sounds), the pitch correlation (the
/// tune) and the duration ratio (the pace). A high cost keeps the score low whatever the rest.
int voiceScore(double alignmentCost, double pitchCorrelation, double durationRatio);

/// What differs most, in order: another sentence, the pace, a flat tune, a missed stress; Good
/// otherwise. The comparison's cost, correlation, ratio and stressFrame must be filled in.
VoiceAdvice voiceAdvice(const VoiceComparison& comparison);

/// Alignment costs above this are another sentence (or mumbling).
constexpr double kDifferentWordsCost = 1.32;

} // namespace kelvaro
