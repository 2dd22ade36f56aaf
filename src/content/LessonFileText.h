#pragma once

#include <QString>
#include <QStringList>

namespace kelvaro {

/// A time in whole milliseconds as the lesson file writes it: seconds in shortest form
/// ("0", "1.2", "12.345").
QString millisecondsText(qint64 milliseconds);

/// One sentence record with empty Done and Tail: English "#" Chinese "#" Start "#" End "#"
/// Note "##".
QString recordText(const QString& english, const QString& chinese, const QString& start,
                   const QString& end, const QString& note);

/// The lesson text "*" record "*" ... "*" ("*" alone for no record).
QString lessonText(const QStringList& records);

/// The book list "^" title "^" ... "^".
QString bookListText(const QStringList& titles);

/// The results file of a book none of whose lessons is completed: "^☆" title "^" ...
QString openResultsText(const QStringList& titles);

} // namespace kelvaro
