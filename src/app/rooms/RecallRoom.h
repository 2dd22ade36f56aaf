#pragma once

#include "app/ModeRoom.h"

namespace kelvaro {

/// Sentence recall: its Chinese line follows the sentence; entering covers every word again.
std::unique_ptr<ModeRoom> makeRecallRoom();

} // namespace kelvaro
