#pragma once

#include <QColor>

// The window's colours: a calm blue-grey frame around white pages.
namespace kelvaro::theme {

inline const QColor kFrame{0x2b, 0x4c, 0x6f};
inline const QColor kFrameLight{0x3d, 0x6a, 0x96};
inline const QColor kWindow{0xe9, 0xee, 0xf3};
inline const QColor kPanel{0xf7, 0xf8, 0xfa};
inline const QColor kPage{0xff, 0xff, 0xff};
inline const QColor kBorder{0xc9, 0xd3, 0xde};
inline const QColor kAccent{0x2f, 0x7f, 0xb5};
inline const QColor kAccentSoft{0xdc, 0xea, 0xf6};
inline const QColor kText{0x22, 0x2b, 0x36};
inline const QColor kMuted{0x6b, 0x77, 0x85};
inline const QColor kTitleText{0xff, 0xff, 0xff};
// The voice picture: the lesson's reading and the learner's, told apart at a glance.
inline const QColor kLessonVoice{0x2f, 0x7f, 0xb5};
inline const QColor kLearnerVoice{0xe0, 0x7b, 0x2c};

/// The style sheet of the window's buttons and boxes.
const char* styleSheet();

} // namespace kelvaro::theme
