#include "Library.h"

namespace kelvaro {

LibraryPlace placeOfNode(const QVector<LibraryBook>& library, int node)
{
    if (node < 1)
        return {};
    int first = 1; // the node of the book at hand
    for (int b = 0; b < library.size(); ++b) {
        const int lessons = int(library[b].lessonNames.size());
        if (node <= first + lessons)
            return {b, node - first};
        first += lessons + 1;
    }
    return {};
}

int nodeOfPlace(const QVector<LibraryBook>& library, int book, int lesson)
{
    if (book < 0 || book >= library.size() || lesson < 0 ||
        lesson > library[book].lessonNames.size())
        return 0;
    int first = 1;
    for (int b = 0; b < book; ++b)
        first += int(library[b].lessonNames.size()) + 1;
    return first + lesson;
}

int nodeOfLesson(const QVector<LibraryBook>& library, const QString& title, int number)
{
    const int book = bookIndex(library, title);
    if (book < 0 || number < 1 || number > library[book].lessonNames.size())
        return 0;
    return nodeOfPlace(library, book, number);
}

int bookIndex(const QVector<LibraryBook>& library, const QString& title)
{
    for (int b = 0; b < library.size(); ++b) {
        if (library[b].title == title)
            return b;
    }
    return -1;
}

int libraryNodeCount(const QVector<LibraryBook>& library)
{
    int count = 0;
    for (const LibraryBook& book : library)
        count += int(book.lessonNames.size()) + 1;
    return count;
}

} // namespace kelvaro
