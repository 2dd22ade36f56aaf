#pragma once

#include "app/ModeRoom.h"

namespace kelvaro {

/// The dictation tab, both its sub-modes (free spelling and the test share one room, so a
/// switch between them keeps what the sentence has so far): the lines, the score and the word
/// slots follow the sentence; entering the test starts the sentence's words afresh.
std::unique_ptr<ModeRoom> makeDictationRoom();

} // namespace kelvaro
