#pragma once

#include "MainContext.h"

namespace kelvaro {

/// Derives BookName and LessonNumber from LessonNode: for the built-in book's nodes 2..185 by
/// its fixed rule, for the nodes of the learner's own books by their place in the tree.
void applyBuiltInBookRule(MainState& state);

/// Opens the lesson of BookName and LessonNumber at StartSentence and rebuilds every view.
/// A missing or refused file leaves the open lesson and the tree selection as they were
/// (with a message that names the file; a missing one only when reportMissing).
/// Returns whether the lesson was opened.
bool openLesson(MainContext& context, bool reportMissing = true);

/// A click on tree node index (1 = the book, k + 1 = lesson k, then each own book's node and
/// its lessons): opens that lesson at sentence 1; a book's own node does nothing.
void treeNodeClicked(MainContext& context, int node);

/// The window title of lesson k: its name in the book list.
QString lessonName(const MainState& state, int lessonNumber);

/// The recording of the lesson open: the built-in book's by its fixed numbering, an own
/// book's "Sound/<book>/<lesson>.mp3".
QString lessonRecording(const MainState& state);

} // namespace kelvaro
