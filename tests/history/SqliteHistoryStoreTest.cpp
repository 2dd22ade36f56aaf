#include "history/SqliteHistoryStore.h"
#include "history/HistoryDatabase.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

PracticeOutcome passed(int sentence)
{
    PracticeOutcome outcome;
    outcome.book = QStringLiteral("Kelvaro");
    outcome.lesson = QStringLiteral("1");
    outcome.sentence = sentence;
    outcome.at = QDateTime(QDate(2026, 3, 2), QTime(9, 0)).toMSecsSinceEpoch();
    outcome.passed = true;
    return outcome;
}

bool hasChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4e00; });
}

} // namespace

TEST(SqliteHistoryStoreTest, RecordsOffTheCallersThreadAndReadsThemBack)
{
    QTemporaryDir dir;
    QStringList problems;
    SqliteHistoryStore store(historyFilePath(dir.path()),
                             [&](const QString& message) { problems << message; });
    for (int i = 1; i <= 50; ++i)
        store.record(passed(i));
    store.forget(QStringLiteral("Kelvaro"), QStringLiteral("2"));
    store.flush();
    EXPECT_EQ(store.summary(QDate(2026, 3, 2)).outcomes, 50);
    EXPECT_EQ(store.summary(QDate(2026, 3, 5)).due.size(), 50u);
    EXPECT_TRUE(store.keeping());
    EXPECT_TRUE(problems.isEmpty());
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("History.db"))));
}

TEST(SqliteHistoryStoreTest, AFolderThatCannotBeWrittenIsToldOnceAndPracticeGoesOn)
{
    QTemporaryDir dir;
    QStringList problems;
    const QString path = dir.filePath(QStringLiteral("gone/History.db"));
    SqliteHistoryStore store(path, [&](const QString& message) { problems << message; });
    store.flush();
    store.record(passed(1));
    store.record(passed(2));
    store.flush();
    EXPECT_FALSE(store.keeping());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.front().contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(hasChinese(problems.front()));
    EXPECT_TRUE(store.summary(QDate(2026, 3, 2)).due.empty());
}

TEST(SqliteHistoryStoreTest, ADamagedFileIsNamedInTheMessageAndSetAside)
{
    QTemporaryDir dir;
    const QString path = historyFilePath(dir.path());
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, 'x'));
    damaged.close();
    QStringList problems;
    SqliteHistoryStore store(path, [&](const QString& message) { problems << message; });
    store.record(passed(1));
    store.flush();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.front().contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(hasChinese(problems.front()));
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("History.db.damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(problems.front().contains(aside.front()));
    EXPECT_EQ(store.summary(QDate(2026, 3, 2)).outcomes, 1);
}
