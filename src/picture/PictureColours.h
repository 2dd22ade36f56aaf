#pragma once

#include <QColor>

// The colours of the pages and of what is drawn on them, shared by the window and the pictures
// kelvaro-tool draws without it.
namespace kelvaro::theme {

inline const QColor kPanel{0xf7, 0xf8, 0xfa};
inline const QColor kPage{0xff, 0xff, 0xff};
inline const QColor kBorder{0xc9, 0xd3, 0xde};
inline const QColor kText{0x22, 0x2b, 0x36};
inline const QColor kMuted{0x6b, 0x77, 0x85};
// The voice picture: the lesson's reading and the learner's, told apart at a glance.
inline const QColor kLessonVoice{0x2f, 0x7f, 0xb5};
inline const QColor kLearnerVoice{0xe0, 0x7b, 0x2c};

} // namespace kelvaro::theme
