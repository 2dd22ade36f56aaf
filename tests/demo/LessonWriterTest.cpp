#include "LessonWriter.h"

#include "content/BookList.h"
#include "content/Lesson.h"
#include "content/ResultsFile.h"
#include "content/Settings.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

TEST(LessonWriter, RecordsAndLessonParseBackField_by_field)
{
    const QString hi = recordText(QStringLiteral("^Hi$hi$^"), QStringLiteral("你好"),
                                  millisecondsText(0), millisecondsText(1200), QString());
    // Empty Note, Done and Tail: three "#" in a row after End.
    EXPECT_EQ(hi, QStringLiteral("^Hi$hi$^#你好#0#1.2###"));
    const QString noted =
        recordText(QStringLiteral("^Good $good$◆^morning$morning$^.^"), QStringLiteral("早上好。"),
                   millisecondsText(1260), millisecondsText(13045), QStringLiteral("问候语"));

    Result<Lesson> lesson = parseLesson(lessonText({hi, noted}), QStringLiteral("1.dat"));
    ASSERT_TRUE(lesson.ok()) << lesson.error().toStdString();
    EXPECT_EQ(lesson->sentenceCount, 2);
    EXPECT_EQ(lesson->keyWordCount, 1);
    EXPECT_EQ(lesson->dictatedCount, 0);
    EXPECT_EQ(lesson->records, (QStringList{hi, noted}));
    EXPECT_EQ(recordField(lesson->records[1], 3), QStringLiteral("1.26"));
    EXPECT_EQ(recordField(lesson->records[1], 4), QStringLiteral("13.045"));
    EXPECT_EQ(recordField(lesson->records[1], 5), QStringLiteral("问候语"));
    EXPECT_TRUE(recordTail(lesson->records[1]) == QStringLiteral("#"));
    EXPECT_EQ(englishDisplayText(lesson->records[1]), QStringLiteral("Good morning."));

    EXPECT_EQ(lessonText({}), QStringLiteral("*"));
}

TEST(LessonWriter, TimesTakeTheirShortestFormWithAtMostThreeDecimals)
{
    const struct
    {
        qint64 ms;
        const char* text;
    } cases[] = {{0, "0"},        {40, "0.04"},        {1200, "1.2"}, {12500, "12.5"},
                 {1234, "1.234"}, {100001, "100.001"}, {97000, "97"}, {3599999, "3599.999"}};
    for (const auto& c : cases)
        EXPECT_EQ(millisecondsText(c.ms).toStdString(), c.text) << c.ms;
}

TEST(LessonWriter, BookListAndResultsAreReadAsTheyAreMeant)
{
    const QStringList titles = {QStringLiteral("第一课"), QStringLiteral("第二课")};
    EXPECT_EQ(bookListText(titles), QStringLiteral("^第一课^第二课^"));
    Result<QStringList> names = parseBookList(bookListText(titles), QStringLiteral("Kelvaro.dat"));
    ASSERT_TRUE(names.ok()) << names.error().toStdString();
    EXPECT_EQ(*names, titles);

    EXPECT_EQ(openResultsText(titles), QStringLiteral("^☆第一课^☆第二课^"));
    const QVector<ResultsEntry> entries = resultsEntries(openResultsText(titles));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].title, titles[1]);
    EXPECT_TRUE(entries[1].counted());
    EXPECT_FALSE(entries[1].completed());
}

TEST(LessonWriter, FirstRunSettingsAreComplete)
{
    bool complete = false;
    parseSettings(firstRunSettingsText(), &complete);
    EXPECT_TRUE(complete);
    EXPECT_EQ(cutSettingsValues(firstRunSettingsText()).size(), 33);
}

TEST(LessonWriter, ChineseLessonTitles)
{
    const struct
    {
        int number;
        const char* title;
    } cases[] = {{1, "第一课"},           {8, "第八课"},          {10, "第十课"},
                 {11, "第十一课"},        {20, "第二十课"},       {99, "第九十九课"},
                 {100, "第一百课"},       {101, "第一百零一课"},  {110, "第一百一十课"},
                 {115, "第一百一十五课"}, {184, "第一百八十四课"}};
    for (const auto& c : cases)
        EXPECT_EQ(chineseLessonTitle(c.number).toStdString(), c.title) << c.number;
}

} // namespace
