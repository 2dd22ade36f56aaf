#include "ToolProcess.h"

#include "history/HistoryDatabase.h"
#include "history/SqliteHistoryStore.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QDate kDay(2026, 5, 4);

ToolRun review(const QStringList& args)
{
    return runToolProcess(QStringLiteral(KELVARO_TOOL),
                          QStringList{QStringLiteral("review")} + args);
}

class ReviewToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("SETTING")));
        HistoryDatabase database(historyFilePath(dir.filePath(QStringLiteral("SETTING"))));
        ASSERT_EQ(database.open(true), HistoryDatabase::Opening::Opened);
        // A sentence failed with "sink" for "think" and passed later that day; another passed.
        PracticeOutcome failed;
        failed.book = QStringLiteral("Kelvaro");
        failed.lesson = QStringLiteral("3");
        failed.sentence = 2;
        failed.at = QDateTime(kDay, QTime(9, 0)).toMSecsSinceEpoch();
        failed.wrongWords = {{QStringLiteral("think"), QStringLiteral("sink")}};
        PracticeOutcome passed = failed;
        passed.passed = true;
        passed.at += 3600'000;
        passed.wrongWords = {{QStringLiteral("walked"), QStringLiteral("walk")}};
        PracticeOutcome other = passed;
        other.lesson = QStringLiteral("4");
        other.wrongWords.clear();
        ASSERT_TRUE(database.write(std::vector<PracticeOutcome>{failed, passed, other}));
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ReviewToolTest, JsonListsTheDueSentencesMissedWordsAndPatternsOfTheDayGiven)
{
    const ToolRun today = review({"--folder", dir.path(), "--json", "--today", "2026-05-04"});
    ASSERT_EQ(today.exitCode, 0) << today.err.toStdString();
    const QJsonObject first = QJsonDocument::fromJson(today.out.toUtf8()).object();
    EXPECT_EQ(first["today"].toString(), "2026-05-04");
    EXPECT_TRUE(first["due"].toArray().isEmpty());
    const QJsonArray words = first["missedWords"].toArray();
    ASSERT_EQ(words.size(), 2);
    EXPECT_EQ(words[0].toObject()["wrongForms"].toArray().first().toString(), "walk");
    QStringList patterns;
    for (const QJsonValue& p : first["patterns"].toArray())
        patterns << p.toObject()["pattern"].toString();
    patterns.sort();
    EXPECT_EQ(patterns, (QStringList{"dropped-ending", "th"}));
    EXPECT_EQ(first["days"].toArray().size(), 30);

    // Days later both sentences are due.
    const ToolRun later = review({"--folder", dir.path(), "--json", "--today", "2026-05-20"});
    const QJsonArray due = QJsonDocument::fromJson(later.out.toUtf8()).object()["due"].toArray();
    ASSERT_EQ(due.size(), 2);
    EXPECT_EQ(due[0].toObject()["lesson"].toString(), "3");
    EXPECT_EQ(due[0].toObject()["sentence"].toInt(), 2);
}

TEST_F(ReviewToolTest, PlainTextAndUsage)
{
    const ToolRun text = review({"--folder", dir.path(), "--today", "2026-05-20"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("2 sentence(s) due"));
    EXPECT_TRUE(text.out.contains("Kelvaro 3/2"));
    EXPECT_TRUE(text.out.contains("think  1 miss(es)  typed: sink"));
    EXPECT_EQ(review({"--folder", dir.path(), "--today", "20 May"}).exitCode, 2);
    EXPECT_EQ(review({}).exitCode, 2);
    // A folder without a history has nothing due.
    QTemporaryDir empty;
    const ToolRun none = review({"--folder", empty.path(), "--json"});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(QJsonDocument::fromJson(none.out.toUtf8()).object()["due"].toArray().isEmpty());
}
