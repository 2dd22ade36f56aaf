// The tree's rows and the controller's node numbers must agree, or a click opens another
// lesson than the one clicked.
#include "ui/LibraryModel.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(LibraryModelTest, EveryRowStandsForTheNodeTheControllerGivesIt)
{
    // An own book may be left without lessons after its last one is removed.
    const QVector<LibraryBook> library = {{QStringLiteral("Kelvaro"), {"1", "2"}},
                                          {QStringLiteral("空书"), {}},
                                          {QStringLiteral("我的课本"), {"a", "b", "c"}}};
    LibraryModel model;
    model.setLibrary(library);

    for (int node = 1; node <= libraryNodeCount(library); ++node) {
        SCOPED_TRACE(node);
        const QModelIndex row = model.indexOfNode(node);
        ASSERT_TRUE(row.isValid());
        const LibraryPlace place = placeOfNode(library, node);
        EXPECT_EQ(LibraryModel::bookOf(row), place.book);
        const QString expected = place.lesson == 0
                                     ? library[place.book].title
                                     : library[place.book].lessonNames[place.lesson - 1];
        EXPECT_EQ(row.data().toString(), expected);
        EXPECT_EQ(row.parent().isValid(), place.lesson != 0);
        EXPECT_EQ(model.nodeOf(row), node);
    }
    for (int outside : {0, -1, libraryNodeCount(library) + 1})
        EXPECT_FALSE(model.indexOfNode(outside).isValid()) << outside;
    EXPECT_EQ(model.nodeOf({}), 0);
}

} // namespace
} // namespace kelvaro
