#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The program is about to close. With every change written it may. Otherwise the learner is
/// told which files kept which changes and asked whether to quit without them; "否" (the
/// default) saves the changed files into a folder of their choice, each at its place below the
/// program folder. True when the program may close: quitting knowingly or everything saved;
/// false when the folder choice was cancelled, so the window stays open.
bool mayExit(MainContext& context);

} // namespace kelvaro
