#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The last missing sentence of the open lesson was passed and written to the lesson file:
/// markLessonCompleted, then showResults. This is the one place the results code hooks into.
void lessonCompleted(MainContext& context);

/// Stars the entry titled LessonTitle in the book's results file, read
/// afresh. A results file that is missing or cannot be read is left alone.
void markLessonCompleted(MainContext& context);

/// Fills the lesson and book pages of the results view and shows it.
void showResults(MainContext& context);

/// Writes newText over the book's results file when it differs from oldText; a failed write
/// is reported (when report) naming the file. Success when the file now holds newText.
Status writeResultsText(MainContext& context, const QString& oldText, const QString& newText,
                        bool report = true);

} // namespace kelvaro
