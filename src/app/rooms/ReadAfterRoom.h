#pragma once

#include "app/ModeRoom.h"

namespace kelvaro {

/// Read-after: the voice pictures follow the sentence; entering analyses its reading.
std::unique_ptr<ModeRoom> makeReadAfterRoom();

} // namespace kelvaro
