#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The last missing sentence of the open lesson was passed and written to the lesson file:
/// MarkLessonCompleted, then ShowResults. This is the one place the results code hooks into.
void lessonCompleted(MainContext& context);

/// MarkLessonCompleted: stars the lesson in the book's results file. The results file is
/// written only by the results code; until it is there, this leaves the file alone.
void markLessonCompleted(MainContext& context);

/// ShowResults: opens the results view of the lesson and the book. Until the view exists,
/// the learner stays on the sentence with the message already shown.
void showResults(MainContext& context);

} // namespace kelvaro
