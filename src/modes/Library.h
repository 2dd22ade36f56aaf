#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvaro {

/// A book of the library tree: the built-in book first, then the learner's own books.
struct LibraryBook
{
    QString title;
    QStringList lessonNames; ///< lesson k is lessonNames[k - 1]
};

/// Where a node of the library tree leads.
struct LibraryPlace
{
    int book = -1;  ///< index into the library; -1 for no node
    int lesson = 0; ///< 1-based; 0 for the book's own node
};

/// The tree numbers its nodes in the order they stand: node 1 is the first book, its lessons
/// follow (node k + 1 is lesson k), then the next book's node and its lessons, and so on.
LibraryPlace placeOfNode(const QVector<LibraryBook>& library, int node);

/// The node of lesson (0: the book's own node) of book; 0 when there is no such node.
int nodeOfPlace(const QVector<LibraryBook>& library, int book, int lesson);

/// The node of lesson number (1-based) of the book titled title; 0 when there is no such lesson.
int nodeOfLesson(const QVector<LibraryBook>& library, const QString& title, int number);

/// The index of the book titled title; -1 when the library has none.
int bookIndex(const QVector<LibraryBook>& library, const QString& title);

/// Every node of the tree.
int libraryNodeCount(const QVector<LibraryBook>& library);

} // namespace kelvaro
