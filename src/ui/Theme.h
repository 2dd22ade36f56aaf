#pragma once

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

/// The style sheet of the window's buttons and boxes.
const char* styleSheet();

} // namespace kelvaro::theme
