#pragma once

#include "modes/ViewElement.h"
#include "picture/PictureColours.h"

#include <QColor>

// The window's colours: a calm blue-grey frame around white pages (the pages' own colours are
// PictureColours.h's, shared with the pictures kelvaro-tool draws).
namespace kelvaro::theme {

inline const QColor kFrame{0x2b, 0x4c, 0x6f};
inline const QColor kFrameLight{0x3d, 0x6a, 0x96};
inline const QColor kWindow{0xe9, 0xee, 0xf3};
inline const QColor kAccent{0x2f, 0x7f, 0xb5};
inline const QColor kAccentSoft{0xdc, 0xea, 0xf6};
inline const QColor kTitleText{0xff, 0xff, 0xff};
// Chinese lines under the English ones, and hints: also drawn on the canvases as Rgb.
inline constexpr Rgb kChineseTextRgb = 0xFF4A5563;
inline const QColor kChineseText = QColor::fromRgba(kChineseTextRgb);
inline constexpr Rgb kWordHintRgb = 0xFF1D4F8A; ///< the fill-in's word and its box
inline const QColor kWordHint = QColor::fromRgba(kWordHintRgb);
inline const QColor kControlBorder{0xb7, 0xc4, 0xd2};
inline const QColor kWrongLetter{0xd6, 0x45, 0x41}; ///< selects the letter or word to retype
inline const QColor kTrack{0xe4, 0xe9, 0xef};       ///< scroll track, progress bar
inline const QColor kDone{0x3c, 0x9a, 0x5f};        ///< a finished dictation
inline const QColor kDoneSoft{0x8f, 0xc9, 0xa3};
// The fill-in's message bubble.
inline const QColor kBubble{0xff, 0xfb, 0xe6};
inline const QColor kBubbleText{0x5a, 0x4a, 0x00};
inline const QColor kBubbleBorder{0xd9, 0xb5, 0x4a};

/// The style sheet of the window's buttons and boxes.
const char* styleSheet();

} // namespace kelvaro::theme
