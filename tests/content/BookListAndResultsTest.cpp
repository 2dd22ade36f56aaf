#include "content/BookList.h"
#include "content/ResultsFile.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(BookList, NamesBetweenCaretsIncludingEmptyOnes)
{
    const auto names =
        parseBookList(QStringLiteral("^第一课^^Lesson 3^\r\n"), QStringLiteral("Kelvaro.dat"));
    ASSERT_TRUE(names.ok());
    EXPECT_EQ(names.value(),
              (QStringList{QStringLiteral("第一课"), QString(), QStringLiteral("Lesson 3")}));
}

TEST(BookList, RefusesAListNotClosedByCaret)
{
    for (const QString& text :
         {QString(), QStringLiteral("^"), QStringLiteral("^a^b"), QStringLiteral("a^b^")}) {
        const auto names = parseBookList(text, QStringLiteral("/x/Kelvaro.dat"));
        EXPECT_FALSE(names.ok()) << text.toStdString();
        EXPECT_TRUE(names.error().contains(QStringLiteral("/x/Kelvaro.dat")));
    }
}

TEST(BookList, BuiltInLessonNumbersFollowTheTreeNode)
{
    const std::pair<int, int> cases[] = {{1, 0}, {2, 1}, {185, 184}, {186, 0}, {0, 0}, {-4, 0}};
    for (auto [node, lesson] : cases)
        EXPECT_EQ(builtInLessonNumber(node), lesson) << node;
}

TEST(ResultsFile, WalksEntriesAndStopsAtTheEndOfTheText)
{
    const auto entries = resultsEntries(QStringLiteral("^★第一课^☆第二课^x第三课^☆第四"));
    ASSERT_EQ(entries.size(), 3);
    EXPECT_TRUE(entries[0].completed());
    EXPECT_EQ(entries[0].title, QStringLiteral("第一课"));
    EXPECT_FALSE(entries[1].completed());
    EXPECT_TRUE(entries[1].counted());
    EXPECT_FALSE(entries[2].counted());
    EXPECT_TRUE(resultsEntries(QString()).isEmpty());
    EXPECT_TRUE(resultsEntries(QStringLiteral("☆第一课^")).isEmpty());
}

TEST(ResultsFile, StarFlipsMatchWholeTitles)
{
    const QString text = QStringLiteral("^☆第一课^☆第一课续^★第二课^☆第一课^");
    // Lessons that share a title share their star; a title that only begins alike does not.
    EXPECT_EQ(markLessonCompleted(text, QStringLiteral("第一课")),
              QStringLiteral("^★第一课^☆第一课续^★第二课^★第一课^"));
    EXPECT_EQ(markLessonCompleted(text, QStringLiteral("第九课")), text);
    EXPECT_EQ(clearLessonResult(text, QStringLiteral("第二课")),
              QStringLiteral("^☆第一课^☆第一课续^☆第二课^☆第一课^"));
    EXPECT_EQ(clearAllResults(QStringLiteral("^★a^★b^☆c^")), QStringLiteral("^☆a^☆b^☆c^"));
}
