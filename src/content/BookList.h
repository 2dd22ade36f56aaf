#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

namespace kelvaro {

/// The lesson names of a book list text "^" name "^" name ... "^"; refused (message naming
/// fileName) when the text does not begin and end with "^".
Result<QStringList> parseBookList(const QString& text, const QString& fileName);

/// Reads and parses a book list file.
Result<QStringList> loadBookList(const QString& path);

/// The lesson number of a library tree node of the built-in book (node 2 is lesson 1);
/// 0 when the node is not one of its 184 lesson nodes.
int builtInLessonNumber(int lessonNode);

} // namespace kelvaro
