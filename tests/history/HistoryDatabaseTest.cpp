#include "history/HistoryDatabase.h"
#include "history/Fsrs.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QDate kDay1(2026, 3, 2);

qint64 at(const QDate& day, int hour = 10)
{
    return QDateTime(day, QTime(hour, 0)).toMSecsSinceEpoch();
}

PracticeOutcome dictation(const QString& lesson, int sentence, const QDate& day, bool passed,
                          int hints = 0, std::vector<WrongWord> wrong = {},
                          const QString& book = QStringLiteral("Kelvaro"), int hour = 10)
{
    PracticeOutcome outcome;
    outcome.kind = PracticeKind::DictationSentence;
    outcome.book = book;
    outcome.lesson = lesson;
    outcome.sentence = sentence;
    outcome.at = at(day, hour);
    outcome.passed = passed;
    outcome.score = passed ? 100 - 3 * int(wrong.size()) : 40;
    outcome.hints = hints;
    outcome.wrongWords = std::move(wrong);
    return outcome;
}

QStringList dueRefs(const ReviewSummary& summary)
{
    QStringList refs;
    for (const DueSentence& d : summary.due)
        refs << QStringLiteral("%1/%2").arg(d.ref.lesson).arg(d.ref.sentence);
    return refs;
}

class HistoryDatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(database.open(true), HistoryDatabase::Opening::Opened);
    }

    void write(const PracticeOutcome& outcome)
    {
        ASSERT_TRUE(database.write(outcome)) << database.lastError().toStdString();
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("History.db"));
    HistoryDatabase database{path};
};

} // namespace

TEST_F(HistoryDatabaseTest, DaysOfOutcomesGiveTheModelsDueDates)
{
    // Day 1: sentence 1/2 failed, then passed the same day; 2/1 passed at once; 2/3 with hints.
    write(dictation(QStringLiteral("1"), 2, kDay1, false));
    write(dictation(QStringLiteral("1"), 2, kDay1, true, 0, {}, QStringLiteral("Kelvaro"), 11));
    write(dictation(QStringLiteral("2"), 1, kDay1, true));
    write(dictation(QStringLiteral("2"), 3, kDay1, true, 2));

    // The default weights' first stabilities: Again then Good the same day and Hard come back
    // the next day, Good after three.
    using namespace fsrs;
    const MemoryState failedThenPassed =
        nextState(nextState(std::nullopt, 0, Rating::Again), 0, Rating::Good);
    const int firstDue = nextInterval(failedThenPassed.stability);
    ASSERT_EQ(firstDue, 1);
    ASSERT_EQ(nextInterval(nextState(std::nullopt, 0, Rating::Hard).stability), 1);
    ASSERT_EQ(nextInterval(nextState(std::nullopt, 0, Rating::Good).stability), 3);

    EXPECT_TRUE(database.summary(kDay1).due.empty());
    EXPECT_EQ(dueRefs(database.summary(kDay1.addDays(1))), (QStringList{"1/2", "2/3"}));
    EXPECT_EQ(dueRefs(database.summary(kDay1.addDays(2))), (QStringList{"1/2", "2/3"}));
    const ReviewSummary later = database.summary(kDay1.addDays(3));
    EXPECT_EQ(dueRefs(later), (QStringList{"1/2", "2/3", "2/1"}));
    EXPECT_EQ(later.due.front().lastSeen, QDateTime(kDay1, QTime(11, 0)));
    // A limit lists the first of them; the count is of all.
    const ReviewSummary firstTwo = database.summary(kDay1.addDays(3), 2);
    EXPECT_EQ(dueRefs(firstTwo), (QStringList{"1/2", "2/3"}));
    EXPECT_EQ(firstTwo.dueCount, 3);
    EXPECT_EQ(later.dueCount, 3);

    // Passing the due sentence on its day moves its next date out past the old interval.
    const QDate reviewDay = kDay1.addDays(firstDue);
    write(dictation(QStringLiteral("1"), 2, reviewDay, true));
    const MemoryState reviewed = nextState(failedThenPassed, firstDue, Rating::Good);
    const QDate next = reviewDay.addDays(nextInterval(reviewed.stability));
    EXPECT_GT(reviewDay.daysTo(next), firstDue);
    EXPECT_FALSE(dueRefs(database.summary(next.addDays(-1))).contains("1/2"));
    EXPECT_TRUE(dueRefs(database.summary(next)).contains("1/2"));
}

TEST_F(HistoryDatabaseTest, MissedWordsKeepTheirFormsAndLeaveAfterThreeRightDays)
{
    write(dictation(QStringLiteral("1"), 1, kDay1, false, 0,
                    {{"think", "sink"}, {"letter", "leter"}}));
    write(dictation(QStringLiteral("3"), 4, kDay1, true, 0, {{"Think", "fink"}}));
    write(dictation(QStringLiteral("3"), 4, kDay1, true, 0, {{"think", "sink"}}));

    ReviewSummary summary = database.summary(kDay1);
    ASSERT_EQ(summary.missedWords.size(), 2u);
    const MissedWord& think = summary.missedWords.front();
    EXPECT_EQ(think.word, "think");
    EXPECT_EQ(think.misses, 3);
    EXPECT_EQ(think.wrongForms, (QStringList{"sink", "fink"}));
    ASSERT_EQ(think.sources.size(), 2u);
    ASSERT_FALSE(summary.patterns.empty());
    EXPECT_EQ(summary.patterns.front().pattern, SpellingPattern::Th);
    EXPECT_EQ(summary.patterns.front().count, 3);
    EXPECT_EQ(summary.patterns.front().exampleTyped, "sink");
    EXPECT_EQ(summary.patterns[1].pattern, SpellingPattern::SingleForDouble);

    // Right twice on one day counts once; the third separate day takes it off the list.
    auto rightOn = [&](const QDate& day) {
        PracticeOutcome outcome = dictation(QStringLiteral("1"), 1, day, true);
        outcome.rightWords = {QStringLiteral("think")};
        write(outcome);
    };
    rightOn(kDay1.addDays(1));
    rightOn(kDay1.addDays(1));
    ASSERT_TRUE(database.writeDrill(QStringLiteral("think"), QStringLiteral("Think"),
                                    at(kDay1.addDays(2))));
    EXPECT_EQ(database.summary(kDay1.addDays(2)).missedWords.front().rightDays, 2);
    rightOn(kDay1.addDays(3));
    summary = database.summary(kDay1.addDays(3));
    ASSERT_EQ(summary.missedWords.size(), 1u);
    EXPECT_EQ(summary.missedWords.front().word, "letter");

    // A drill typed wrong is a miss again, and the right days start afresh.
    ASSERT_TRUE(
        database.writeDrill(QStringLiteral("think"), QStringLiteral("tink"), at(kDay1.addDays(4))))
        << database.lastError().toStdString();
    EXPECT_EQ(database.summary(kDay1.addDays(4)).missedWords.front().word, "think");
}

TEST_F(HistoryDatabaseTest, TheThirtyDaysCountPractiseVoiceAndTheStreak)
{
    const QDate today = kDay1.addDays(40);
    for (const int back : {0, 1, 2, 4, 35}) {
        write(dictation(QStringLiteral("1"), 1, today.addDays(-back), true));
        write(dictation(QStringLiteral("1"), 2, today.addDays(-back), false));
    }
    PracticeOutcome voice = dictation(QStringLiteral("1"), 1, today, true);
    voice.kind = PracticeKind::ReadAfter;
    for (const int score : {70, 80}) {
        voice.score = score;
        write(voice);
    }
    const ReviewSummary summary = database.summary(today);
    ASSERT_EQ(summary.days.size(), 30u);
    EXPECT_EQ(summary.days.back().day, today);
    EXPECT_EQ(summary.days.back().practised, 2);
    EXPECT_EQ(summary.days.back().passed, 1);
    EXPECT_DOUBLE_EQ(summary.days.back().voiceAverage, 75);
    EXPECT_EQ(summary.days[29 - 3].practised, 0);
    EXPECT_EQ(summary.days[29 - 3].voiceAverage, -1);
    EXPECT_EQ(summary.streak, 3);
    // Before today's practice the streak still counts up to yesterday.
    EXPECT_EQ(database.summary(today.addDays(1)).streak, 3);
    EXPECT_EQ(database.summary(today.addDays(2)).streak, 0);
    EXPECT_EQ(summary.outcomes, 12);
}

TEST_F(HistoryDatabaseTest, ForgettingALessonRemovesItsRowsAndRenumbersTheLaterOnes)
{
    const QString mine = QStringLiteral("My book");
    write(dictation(QStringLiteral("1"), 1, kDay1, true, 0, {}, mine));
    write(dictation(QStringLiteral("2"), 1, kDay1, false, 0, {{"where", "wher"}}, mine));
    write(dictation(QStringLiteral("3"), 5, kDay1, false, 0, {}, mine));
    write(dictation(QStringLiteral("2"), 1, kDay1, true));

    ASSERT_TRUE(database.forget(mine, QStringLiteral("2")));
    const ReviewSummary summary = database.summary(kDay1.addDays(30));
    QStringList refs;
    for (const DueSentence& d : summary.due)
        refs << d.ref.book + QLatin1Char('/') + d.ref.lesson + QLatin1Char('/') +
                    QString::number(d.ref.sentence);
    refs.sort();
    EXPECT_EQ(refs, (QStringList{"Kelvaro/2/1", "My book/1/1", "My book/2/5"}));
    EXPECT_TRUE(summary.missedWords.empty());
    EXPECT_TRUE(summary.patterns.empty());
    EXPECT_EQ(summary.outcomes, 3);
    EXPECT_EQ(database.summary(kDay1).days.back().practised, 3);
}

TEST(HistoryDatabaseFileTest, AFirstVersionFileIsMigratedWithItsOutcomes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.db"));
    {
        // The first version's schema, as a file written by it holds it.
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        old.setDatabaseName(path);
        ASSERT_TRUE(old.open());
        QSqlQuery q(old);
        for (const char* sql :
             {"CREATE TABLE outcomes (id INTEGER PRIMARY KEY, at INTEGER NOT NULL, day INTEGER NOT "
              "NULL, kind INTEGER NOT NULL, book TEXT NOT NULL, lesson TEXT NOT NULL, sentence "
              "INTEGER NOT NULL, passed INTEGER NOT NULL, score INTEGER NOT NULL, hints INTEGER "
              "NOT NULL, word TEXT)",
              "CREATE INDEX outcomes_lesson ON outcomes (book, lesson)",
              "CREATE TABLE misses (id INTEGER PRIMARY KEY, outcome INTEGER, at INTEGER NOT NULL, "
              "day INTEGER NOT NULL, word TEXT NOT NULL, typed TEXT NOT NULL, pattern INTEGER NOT "
              "NULL, book TEXT NOT NULL, lesson TEXT NOT NULL, sentence INTEGER NOT NULL)",
              "CREATE INDEX misses_word ON misses (word)",
              "CREATE INDEX misses_lesson ON misses (book, lesson)",
              "CREATE TABLE word_rights (word TEXT NOT NULL, day INTEGER NOT NULL, PRIMARY KEY "
              "(word, day)) WITHOUT ROWID",
              "CREATE TABLE cards (book TEXT NOT NULL, lesson TEXT NOT NULL, sentence INTEGER NOT "
              "NULL, stability REAL NOT NULL, difficulty REAL NOT NULL, last_day INTEGER NOT NULL, "
              "last_at INTEGER NOT NULL, due_day INTEGER NOT NULL, reviews INTEGER NOT NULL, "
              "lapses INTEGER NOT NULL, PRIMARY KEY (book, lesson, sentence)) WITHOUT ROWID",
              "CREATE INDEX cards_due ON cards (due_day)", "PRAGMA user_version=1"})
            ASSERT_TRUE(q.exec(QString::fromLatin1(sql))) << sql;
        const qint64 day = kDay1.toJulianDay();
        ASSERT_TRUE(q.exec(
            QStringLiteral(
                "INSERT INTO outcomes VALUES (1, %1, %2, 1, 'Kelvaro', '4', 2, 0, 40, 0, NULL)")
                .arg(at(kDay1))
                .arg(day)));
        ASSERT_TRUE(q.exec(
            QStringLiteral(
                "INSERT INTO misses VALUES (1, 1, %1, %2, 'very', 'wery', 6, 'Kelvaro', '4', 2)")
                .arg(at(kDay1))
                .arg(day)));
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    HistoryDatabase database(path);
    ASSERT_EQ(database.open(true), HistoryDatabase::Opening::Opened);
    EXPECT_EQ(database.schemaVersion(), HistoryDatabase::kSchemaVersion);
    const ReviewSummary summary = database.summary(kDay1);
    EXPECT_EQ(summary.outcomes, 1);
    ASSERT_EQ(summary.missedWords.size(), 1u);
    EXPECT_EQ(summary.missedWords.front().wrongForms, QStringList{"wery"});
    ASSERT_EQ(summary.patterns.size(), 1u);
    EXPECT_EQ(summary.patterns.front().pattern, SpellingPattern::VW);
    EXPECT_EQ(summary.days.back().practised, 1);
    EXPECT_EQ(summary.days.back().passed, 0);
}

TEST(HistoryDatabaseFileTest, ADamagedFileIsSetAsideAndANewOneStarted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.db"));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    const QByteArray garbage = QByteArray("this is no database ").repeated(300);
    damaged.write(garbage);
    damaged.close();

    HistoryDatabase database(path);
    ASSERT_EQ(database.open(true), HistoryDatabase::Opening::SetAside);
    ASSERT_FALSE(database.setAsidePath().isEmpty());
    QFile aside(database.setAsidePath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), garbage); // never silently emptied
    EXPECT_TRUE(database.write(dictation(QStringLiteral("1"), 1, kDay1, true)));
    EXPECT_EQ(database.outcomeCount(), 1);
}

TEST(HistoryDatabaseFileTest, AFolderThatCannotHoldTheFileIsUnwritable)
{
    QTemporaryDir dir;
    HistoryDatabase database(dir.filePath(QStringLiteral("missing/History.db")));
    EXPECT_EQ(database.open(true), HistoryDatabase::Opening::Unwritable);
    EXPECT_FALSE(database.isOpen());
    EXPECT_FALSE(database.lastError().isEmpty());
}

TEST(HistoryDatabaseFileTest, KilledInTheMiddleOfWritingKeepsEveryCommittedOutcome)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("History.db"));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-forever"), path});
    ASSERT_TRUE(child.waitForStarted());
    int committed = 0;
    QByteArray pending;
    // Read the child's commits until a few hundred are in, then kill it mid-stream.
    while (committed < 300 && child.waitForReadyRead(10000)) {
        pending += child.readAllStandardOutput();
        const QList<QByteArray> lines = pending.split('\n');
        for (int i = 0; i + 1 < lines.size(); ++i)
            committed = std::max(committed, lines[i].toInt());
        pending = lines.back();
    }
    ASSERT_GE(committed, 300);
    child.kill(); // SIGKILL
    ASSERT_TRUE(child.waitForFinished());
    // Lines written before the kill landed are commits too.
    pending += child.readAllStandardOutput();
    for (const QByteArray& line : pending.split('\n'))
        committed = std::max(committed, line.toInt());

    HistoryDatabase database(path);
    ASSERT_EQ(database.open(true), HistoryDatabase::Opening::Opened);
    EXPECT_GE(database.outcomeCount(), committed);
    EXPECT_LE(database.outcomeCount(), committed + 1); // at most the one under way
    EXPECT_EQ(database.summary(kDay1).missedWords.front().misses, database.outcomeCount());
}
