#pragma once

#include "ports/TextMeasurer.h"

#include <QFont>

namespace kelvaro {

/// Maps the content's font names to the faces installed on this desktop ("Arial" to a
/// metric twin, "宋体" to a CJK face, "pron" to one with the phonetic symbols).
void registerFontSubstitutions();

/// The font a view draws its elements in.
QFont fontFor(TextFont font);

/// The font of captions and buttons.
QFont interfaceFont(int pointSize = 10, bool bold = false);

} // namespace kelvaro
