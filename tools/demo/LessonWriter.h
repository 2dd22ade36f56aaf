#pragma once

// The record, lesson, book list and results texts are shared with the importer.
#include "content/LessonFileText.h"

#include <QString>

namespace kelvaro {

/// The settings file a fresh installation ships.
QString firstRunSettingsText();

/// "第" + the number in Chinese numerals + "课" (第一课, 第十一课, 第一百零四课), for 1..999.
QString chineseLessonTitle(int number);

} // namespace kelvaro
