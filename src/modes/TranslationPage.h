#pragma once

#include "MainState.h"

#include "ports/TextMeasurer.h"

namespace kelvaro {

/// Builds the translation page's lines (English, Chinese, cover, underline, speaker icon,
/// number) for every sentence of the open lesson, and the full-text page's Chinese lines.
void buildTranslationLines(MainState& state, const TextMeasurer& measurer);

/// Shows the underline of the current sentence only.
void markTranslationSentence(MainState& state);

/// Scrolls the current sentence into the middle of the translation page.
void centreTranslationView(MainState& state);

/// Wraps a label wider than width: width becomes width and the height a whole number of lines.
void wrapToWidth(ViewElement& label, int width, int lineHeight);

} // namespace kelvaro
