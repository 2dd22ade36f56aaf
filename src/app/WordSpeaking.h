#pragma once

#include "MainContext.h"

namespace kelvaro {

/// Asks for the popup's word to be spoken; it sounds 10 ms later, so the caller
/// finishes showing the popup (and pausing or moving the lesson player) first.
void readWord(MainContext& context);

/// wordDelayTimer has fired: the word player plays the recording of the popup's word from its
/// start.
void speakPendingWord(MainContext& context);

/// Installs wordDelayTimer's handler (one-shot, 10 ms).
void installWordTimer(MainContext& context);

} // namespace kelvaro
