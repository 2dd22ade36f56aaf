#pragma once

#include "app/ModeRoom.h"

namespace kelvaro {

/// Word fill-in: every sentence shown gets its blank (or the note that it has no key word).
std::unique_ptr<ModeRoom> makeFillInRoom();

} // namespace kelvaro
