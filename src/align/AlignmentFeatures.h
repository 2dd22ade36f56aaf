#pragma once

#include <functional>
#include <vector>

namespace kelvaro {

/// The aligner analyses mono samples at this rate, in frames of 10 ms.
constexpr int kAlignRate = 16000;
constexpr int kAlignHop = 160;
constexpr int kAlignFrameMs = 10;
/// Cepstra 1..8 (the broad shape of the spectrum: which sound, not whose voice) and how much the
/// frame is speech rather than pause. Their slopes were tried and left out: they made a reading
/// of the right text in another voice less distinct from a reading of the wrong text.
constexpr int kAlignCepstra = 8;
constexpr int kAlignDims = kAlignCepstra + 1;

/// What the aligner compares of one signal, frame by frame.
struct AlignmentFeatures
{
    int frames = 0;
    std::vector<float> values;   ///< frames x kAlignDims, row-major
    std::vector<float> levelsDb; ///< RMS level of each frame in dBFS

    const float* frame(int f) const { return values.data() + size_t(f) * kAlignDims; }
};

/// The features of mono samples at 16 kHz, not yet normalised. progress (0..100) is called now
/// and then when given.
AlignmentFeatures alignmentFeatures(const std::vector<float>& samples,
                                    const std::function<void(int)>& progress = {});

/// more's frames after those of to: one reading made piece by piece.
void appendFeatures(AlignmentFeatures& to, const AlignmentFeatures& more);

/// Each coefficient normalised over the signal's speech (its own mean and spread), so a voice, a
/// microphone or a room that colours every frame alike drops out; pause frames (see
/// pauseThresholdDb) fade to one shared "pause" point whatever their noise.
void normaliseFeatures(AlignmentFeatures& features);

/// How surely a normalised frame is speech, 0 (pause) to 1.
float speechShare(const float* frame);

/// How unlike two frames are: 0 for the same, about 1 for two unrelated speech frames.
float frameDistance(const float* a, const float* b);

/// Each run of factor frames averaged into one (the last run may be shorter).
AlignmentFeatures coarsened(const AlignmentFeatures& features, int factor);

} // namespace kelvaro
