#pragma once

#include <QString>
#include <QVector>

namespace kelvaro {

/// One lesson's entry of a book's results file: a star and the lesson title.
struct ResultsEntry
{
    QChar star;    ///< "★" completed, "☆" not completed, or whatever else stood there
    QString title; ///< the entry without its star
    bool completed() const { return star == QChar(0x2605); }
    bool counted() const { return star == QChar(0x2605) || star == QChar(0x2606); }
};

inline constexpr QChar kCompletedStar = QChar(0x2605); // ★
inline constexpr QChar kOpenStar = QChar(0x2606);      // ☆

/// The entries of "^" entry "^" entry ... "^", stopping at the end of the text.
/// A text that does not begin with "^" has no entries.
QVector<ResultsEntry> resultsEntries(const QString& text);

/// Every entry titled exactly title gets the completed star.
QString markLessonCompleted(const QString& text, const QString& title);

/// Every entry titled exactly title gets the open star.
QString clearLessonResult(const QString& text, const QString& title);

/// Every "★" becomes "☆".
QString clearAllResults(const QString& text);

} // namespace kelvaro
