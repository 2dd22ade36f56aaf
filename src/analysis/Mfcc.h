#pragma once

#include <vector>

namespace kelvaro {

/// kVoiceMfccCoefficients mel-frequency cepstral coefficients for each of `frames` frames of hop
/// samples at `rate`, each frame's window centred on its middle, once for each of the warps:
/// warps x frames x coefficients, row-major. A warp w stretches the frequency axis (the mel
/// bands lie at w times their usual frequencies). Coefficient 0 is the frame's overall log level.
std::vector<float> mfccFrames(const std::vector<float>& samples, int rate, int hop, int frames,
                              const std::vector<float>& warps);

/// Subtracts from every frame the mean of each coefficient over frames [begin, end) (frames of
/// each block of `frames` rows separately): the microphone's and the room's colouring drops
/// out. Nothing changes when the range is empty.
void subtractCepstralMean(std::vector<float>& mfcc, int frames, int begin, int end);

/// The slope of each coefficient over time (a regression over two frames each side, within each
/// block of `frames` rows; the ends held): how the sound moves, which a different voice or a
/// synthetic one keeps better than the sound itself. Same layout as mfcc.
std::vector<float> cepstralDeltas(const std::vector<float>& mfcc, int frames);

/// How different two frames sound: the RMS difference of coefficients 1 to 8. Coefficient 0, the
/// loudness, is left out so a quiet take can still match; the higher ones, which follow the
/// speaker's own voice more than the words, too.
float cepstralDistance(const float* a, const float* b);

} // namespace kelvaro
