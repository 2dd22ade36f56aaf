#include "modes/Library.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(Library, NodesNumberBooksAndLessonsInTreeOrder)
{
    const QVector<LibraryBook> library = {
        {QStringLiteral("Kelvaro"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("Empty"), {}},
        {QStringLiteral("Mine"), {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}},
    };
    struct Case
    {
        int node, book, lesson;
    };
    const Case cases[] = {
        {0, -1, 0}, {1, 0, 0}, {2, 0, 1}, {3, 0, 2},  {4, 1, 0},
        {5, 2, 0},  {6, 2, 1}, {8, 2, 3}, {9, -1, 0}, {-3, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        const LibraryPlace place = placeOfNode(library, c.node);
        EXPECT_EQ(place.book, c.book);
        EXPECT_EQ(place.lesson, c.lesson);
        if (c.book >= 0)
            EXPECT_EQ(nodeOfPlace(library, c.book, c.lesson), c.node);
    }
    EXPECT_EQ(nodeOfPlace(library, 2, 4), 0);
    EXPECT_EQ(nodeOfPlace(library, 3, 0), 0);
    EXPECT_EQ(libraryNodeCount(library), 8);
    EXPECT_EQ(bookIndex(library, QStringLiteral("Mine")), 2);
    EXPECT_EQ(bookIndex(library, QStringLiteral("mine")), -1);
}
