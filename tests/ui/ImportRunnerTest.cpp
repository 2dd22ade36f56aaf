#include "ui/ProcessImportRunner.h"

#include "content/OwnBooks.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include "TestFolder.h"

using namespace kelvaro;

namespace {

// The real tool through the real runner, on a short recording of speech and its transcript.
class ImportRunnerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(folder.writeBytes(QStringLiteral("in/talk.lrc"),
                                      "[00:00.20]Good morning.\n早上好。\n"));
        // A sentence after the recording's end: the tool refuses it.
        ASSERT_TRUE(folder.writeBytes(QStringLiteral("in/late.lrc"), "[00:09.00]Too late.\n"));
    }

    ImportJob job(const QString& transcript) const
    {
        return {folder.root(),
                QStringLiteral("Own"),
                QStringLiteral("第一课"),
                QStringLiteral(KELVARO_TEST_DATA "/voice/good-morning.mp3"),
                folder.path(QStringLiteral("in/") + transcript),
                false};
    }
    // Runs job to its end; nullopt when it did not end within a minute.
    std::optional<ImportOutcome> run(const ImportJob& job)
    {
        std::optional<ImportOutcome> outcome;
        runner.start(
            job, [this](int percent) { progress << percent; },
            [&](const ImportOutcome& o) { outcome = o; });
        QElapsedTimer waited;
        waited.start();
        while (!outcome && waited.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        return outcome;
    }
    // Every file of the program folder but the incoming ones, with its bytes.
    QByteArray digest() const
    {
        QByteArray all;
        QDirIterator it(folder.root(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QStringLiteral("/in/")))
                continue;
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            all += path.toUtf8() + '\n' + file.readAll();
        }
        return all;
    }

    TestFolder folder;
    ProcessImportRunner runner{QStringLiteral(KELVARO_TOOL)};
    QVector<int> progress;
};

} // namespace

TEST_F(ImportRunnerTest, TheToolAddsTheLessonAndReportsItsProgress)
{
    const std::optional<ImportOutcome> outcome = run(job(QStringLiteral("talk.lrc")));
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->imported) << outcome->message.toStdString();
    EXPECT_EQ(outcome->lesson, 1);
    EXPECT_FALSE(runner.running());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(nextLessonNumber(ProgramFolder(folder.root()), QStringLiteral("Own")).value(), 2);
    EXPECT_TRUE(folder.exists(QStringLiteral("Sound/Own/1.mp3")));
}

TEST_F(ImportRunnerTest, ARefusalCarriesTheToolsChineseMessage)
{
    const QByteArray before = digest();
    const std::optional<ImportOutcome> outcome = run(job(QStringLiteral("late.lrc")));
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->imported);
    EXPECT_TRUE(outcome->message.contains(QStringLiteral("late.lrc")))
        << outcome->message.toStdString();
    EXPECT_FALSE(outcome->message.contains(QStringLiteral("progress")));
    EXPECT_EQ(digest(), before);
}

TEST_F(ImportRunnerTest, ACancelledRunLeavesNoLessonAndNeverReports)
{
    const QByteArray before = digest();
    bool finished = false;
    runner.start(
        job(QStringLiteral("talk.lrc")), [this](int percent) { progress << percent; },
        [&](const ImportOutcome&) { finished = true; });
    ASSERT_TRUE(runner.running());
    // Killed while it works, once it has said how far it got.
    QElapsedTimer waited;
    waited.start();
    while (progress.isEmpty() && !finished && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_FALSE(finished);
    runner.cancel();
    EXPECT_FALSE(runner.running());
    QCoreApplication::processEvents();
    EXPECT_FALSE(finished);
    EXPECT_EQ(digest(), before);
    EXPECT_EQ(nextLessonNumber(ProgramFolder(folder.root()), QStringLiteral("Own")).value(), 1);
}

TEST_F(ImportRunnerTest, AMissingToolIsReportedInChinese)
{
    ProcessImportRunner missing(folder.path(QStringLiteral("no-such-tool")));
    std::optional<ImportOutcome> outcome;
    missing.start(job(QStringLiteral("talk.lrc")), {},
                  [&](const ImportOutcome& o) { outcome = o; });
    QElapsedTimer waited;
    waited.start();
    while (!outcome && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->imported);
    EXPECT_TRUE(outcome->message.contains(QStringLiteral("无法启动导入工具")));
}
