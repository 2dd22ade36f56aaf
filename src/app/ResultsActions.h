#pragma once

#include "MainContext.h"

namespace kelvaro {

/// "本册成绩" (book) or "本课成绩" (lesson): which page of the results view is shown.
void showResultsPage(MainContext& context, bool bookPage);

/// "关闭" on either page or the exit picture: the view hides and the dictation box, when it is
/// on screen, takes the keyboard again.
void closeResults(MainContext& context);

/// A click on an entry of List1 or List2 of the results view: that sentence is shown for dictation
/// and the view closes. A placeholder or an entry that names no sentence of the lesson does
/// nothing.
void resultsSentenceClicked(MainContext& context, const QString& entry);

/// "清除本课成绩": every pass of the open lesson and its star go.
void clearLessonResults(MainContext& context);

/// "清除本册成绩": every pass of every lesson file of the book and every
/// star go; the closing message names any file left as it was.
void clearBookResults(MainContext& context);

/// The "清除本课成绩" button: asks first ("否" the default); only "是" clears.
void confirmAndClearLessonResults(MainContext& context);

/// The "清除本册成绩" button: asks first ("否" the default); only "是" clears.
void confirmAndClearBookResults(MainContext& context);

} // namespace kelvaro
