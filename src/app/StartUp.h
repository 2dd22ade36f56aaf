#pragma once

#include "MainContext.h"

namespace kelvaro {

/// Creates the window's timers from the timer port.
void createTimers(MainContext& context);

/// The start-up of the window, in its fixed order. Returns false when it cannot go on
/// (the book list is missing or malformed): the message has been shown and the program ends.
bool startUp(MainContext& context);

/// Reports, once, a dictionary file that could not be read (waits for its load to end).
void settleDictionary(MainContext& context);

/// Shut-down: writes the settings file from the live state. Returns the failure, if any.
Status shutDown(MainContext& context);

/// The notice shown on a screen that is not at 96 DPI.
QString screenCheckNotice();

} // namespace kelvaro
