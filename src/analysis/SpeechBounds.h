#pragma once

#include <utility>
#include <vector>

namespace kelvaro {

/// The frames [begin, end) between the leading and the trailing silence of a reading, from its
/// frame levels in dB. Speech is what stands well above the background and within reach of the
/// reading's own loud level; a lone click (a frame or two) does not count as speech, and a
/// reading with nothing above the floor gives an empty range (begin == end).
std::pair<int, int> speechBounds(const std::vector<float>& energyDb);

/// The reading's loud level in dB: the loudest level it holds for a few frames in a row, so a
/// click does not set it. kSilenceDb when it is shorter than that.
float loudLevelDb(const std::vector<float>& energyDb);

/// For each frame whether it is a pause: far below the reading's loud level (whatever hiss or
/// room noise it holds).
std::vector<bool> quietFrames(const std::vector<float>& energyDb);

} // namespace kelvaro
