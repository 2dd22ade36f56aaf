#pragma once

#include "ProgramFolder.h"
#include "Result.h"

#include <QString>
#include <QStringList>

namespace kelvaro {

/// The learner's own books, in the order the library lists them after the built-in book, as
/// SETTING/BookList.dat keeps them; an empty list when that file does not exist yet.
Result<QStringList> loadOwnBooks(const ProgramFolder& folder);

/// Whether title can name an own book, new or existing: not empty, no "^ / \ # * $" or control
/// character, no name the file system refuses, not the built-in book, and not an existing
/// book's title in other letter case. The refusal is a Chinese message.
Status checkBookTitle(const QString& title, const QStringList& ownBooks);

/// Whether name can be a lesson name in a book list: not empty, no "^" or control character.
Status checkLessonName(const QString& name);

/// The number the next lesson added to book gets: one past the lessons of its book list, 1 for
/// a book without one.
Result<int> nextLessonNumber(const ProgramFolder& folder, const QString& book);

/// A lesson ready to be added to an own book.
struct OwnLesson
{
    QString book;          ///< the own book, made when it does not exist yet
    QString name;          ///< the lesson's name in the book list and results
    QString text;          ///< the lesson text, "*" record "*" ... "*"
    QString recordingPath; ///< an mp3 file, copied as it is
};

/// Adds lesson as the next lesson of its book and returns its number. Everything is checked
/// and read first; then the recording, the lesson file, the results entry, the book list entry
/// and, for a new book, the own-books list are written, each atomically and in that order, so
/// an interrupted write leaves no entry that points at a missing file.
Result<int> addOwnLesson(const ProgramFolder& folder, const OwnLesson& lesson);

/// Gives lesson number of the own book a new name in its book list and its results entry,
/// keeping the entry's star. Refused (nothing written) for a name checkLessonName refuses, a
/// book that is not an own book, a lesson it does not have or a folder that cannot be written.
Status renameOwnLesson(const ProgramFolder& folder, const QString& book, int number,
                       const QString& name);

/// Removes lesson number of the own book: its entries in the book list and results, its lesson
/// file and recording; the later lessons move down one number, files and all, so the book stays
/// numbered 1..n. The book's last lesson takes the book with it (own-book list, book list,
/// results). Lists are rewritten before files move, so no list points at a missing file; a
/// folder that cannot be written refuses the removal before anything changes.
Status removeOwnLesson(const ProgramFolder& folder, const QString& book, int number);

} // namespace kelvaro
