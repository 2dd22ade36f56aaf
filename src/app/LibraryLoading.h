#pragma once

#include "MainContext.h"

namespace kelvaro {

/// Builds the tree's books: the built-in book (its list already read into lessonNames), then
/// each own book whose lesson list reads; one whose list is missing or malformed is left out
/// with a message that names it.
void loadLibrary(MainContext& context);

/// The node itself when it leads to a lesson; otherwise the nearest lesson node (the first
/// lesson of a book whose own node it is, the last lesson for a node past the tree).
int nearestLessonNode(const QVector<LibraryBook>& library, int node);

} // namespace kelvaro
