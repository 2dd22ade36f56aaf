#include "LessonTexts.h"
#include "PlayerTimeline.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/MainController.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/SpeedController.h"
#include "app/StartUp.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Two sentences of exactly one second each, 1 s to 2 s and 3 s to 4 s.
const QStringList kRecords = {
    lessonRecord(QStringLiteral("^One$one$^.^"), QStringLiteral("一。"), "1", "2"),
    lessonRecord(QStringLiteral("^Two$two$^.^"), QStringLiteral("二。"), "3", "4"),
};

/// The shell on the two-sentence lesson in sentence browse (count 2, pause 1 s, automatic
/// next), started with the speed file holding speedFile (none when empty).
class SpeedRun
{
public:
    void start(const QByteArray& speedFile)
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        settings.sen = {2, 1000};
        settings.playMode = true;
        ASSERT_TRUE(shell.writeLesson(1, lessonText(kRecords)));
        ASSERT_TRUE(shell.writeSettings(settings));
        if (!speedFile.isEmpty())
            ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("SETTING/Speed.dat"), speedFile));
        ASSERT_TRUE(shell.startUp());
        tabClicked(shell.context(), Mode::SentenceBrowse);
        shell.lessonPlayer.clearCalls();
        m_base = shell.clock.now();
    }

    /// The player's calls up to ms after start(), as "<ms> <call>".
    QStringList timelineUntil(qint64 ms)
    {
        QStringList timeline;
        qsizetype seen = 0;
        auto collect = [&] {
            const QStringList& calls = shell.lessonPlayer.calls();
            for (; seen < calls.size(); ++seen)
                timeline.append(QString::number(shell.clock.now() - m_base) + u' ' + calls[seen]);
        };
        collect();
        while (shell.clock.now() - m_base < ms) {
            shell.clock.advance(1);
            collect();
        }
        return timeline;
    }

    ShellFixture shell;

private:
    qint64 m_base = 0;
};

/// A reading of sentence s started at ms by a player at speed: it reaches the sentence's end
/// at the first ReadTimer tick past 1000 ms / speed.
QStringList readingAt(int ms, int s, int lengthMs)
{
    const QString at = QString::number(ms) + u' ';
    return {at + QStringLiteral("setPosition %1").arg(2 * s - 1), at + QStringLiteral("play"),
            QString::number(ms + lengthMs) + QStringLiteral(" pause")};
}

QStringList arrivalAt(int ms, int s, int lengthMs)
{
    return QStringList{QString::number(ms) + QStringLiteral(" setEndFence %1").arg(2 * s)} +
           readingAt(ms, s, lengthMs);
}

} // namespace

TEST(SpeedController, AtHalfSpeedEachReadingLastsTwiceAsLongAndThePausesStayAsTheyAre)
{
    SpeedRun run;
    ASSERT_NO_FATAL_FAILURE(run.start("0.5\n"));
    EXPECT_EQ(run.shell.state().readingSpeed, 0.5);
    EXPECT_EQ(run.shell.lessonPlayer.speed(), 0.5);
    firstSentence(run.shell.context());
    // Each second of the recording takes two; each pause still one.
    const QStringList expected = arrivalAt(0, 1, 2010) + readingAt(3010, 1, 2010) +
                                 arrivalAt(6020, 2, 2010) + readingAt(9030, 2, 2010);
    EXPECT_EQ(run.timelineUntil(11100), expected);
    EXPECT_EQ(run.shell.state().CurrentReadCount, 2); // every reading counted, as at speed 1
}

TEST(SpeedController, TheButtonsChangeTheSpeedForTheNextReadingAndItIsKeptInItsOwnFile)
{
    SpeedRun run;
    ASSERT_NO_FATAL_FAILURE(run.start({}));
    MainContext& context = run.shell.context();
    EXPECT_EQ(context.state.readingSpeed, 1.0);
    SpeedController speed(context);
    int changes = 0;
    QObject::connect(&speed, &SpeedController::changed, [&changes] { ++changes; });

    const struct
    {
        void (SpeedController::*click)();
        double speed;
    } clicks[] = {
        {&SpeedController::toggleSlow, 0.75}, {&SpeedController::faster, 0.8},
        {&SpeedController::slower, 0.7},      {&SpeedController::toggleSlow, 0.75},
        {&SpeedController::toggleSlow, 1.0},  {&SpeedController::slower, 0.9},
    };
    for (const auto& c : clicks) {
        (speed.*c.click)();
        EXPECT_DOUBLE_EQ(context.state.readingSpeed, c.speed);
        EXPECT_DOUBLE_EQ(run.shell.lessonPlayer.speed(), c.speed);
    }
    EXPECT_EQ(changes, 6);
    // A reading already under way goes on as it began; the next one is at 0.9.
    readAloud(context);
    EXPECT_EQ(run.timelineUntil(1200), readingAt(0, 1, 1120));

    ASSERT_TRUE(shutDown(context));
    QFile file(run.shell.folder.path(QStringLiteral("SETTING/Speed.dat")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0.9\n"));
    // The settings file holds the 33 values as before, and nothing of the speed.
    EXPECT_EQ(formatSettings(loadSettings(context.state.folder.settings())),
              formatSettings(context.state.options));
    run.shell.restart();
    ASSERT_TRUE(run.shell.startUp());
    EXPECT_DOUBLE_EQ(run.shell.state().readingSpeed, 0.9);
    EXPECT_DOUBLE_EQ(run.shell.lessonPlayer.speed(), 0.9);
}

TEST(SpeedController, ASpeedNeverChangedWritesNoFileAndAStrangeOneReadsAsOne)
{
    for (const QByteArray& file : {QByteArray(), QByteArray("fast\n"), QByteArray("0.2\n")}) {
        SCOPED_TRACE(file.constData());
        SpeedRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(file));
        EXPECT_EQ(run.shell.state().readingSpeed, 1.0);
        ASSERT_TRUE(shutDown(run.shell.context()));
        EXPECT_EQ(run.shell.folder.exists(QStringLiteral("SETTING/Speed.dat")), !file.isEmpty());
    }
}

TEST(SpeedController, ReadAfterSetsTheTakeAgainstTheUnstretchedReadingWhileTheCursorRunsSlower)
{
    // The test folder's lesson: sentence 2 runs from 1.5 s to 2.9 s of its recording.
    ShellFixture shell;
    Settings settings = defaultSettings();
    settings.modeIndex = modeNumber(Mode::ReadAfter);
    ASSERT_TRUE(shell.writeSettings(settings));
    ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("SETTING/Speed.dat"), "0.7\n"));
    MainController controller(shell.context());
    ASSERT_TRUE(controller.startUp());
    controller.perform(Command::NextSentence); // reads sentence 2 at 0.7
    while (shell.background.runPending() > 0) {
    }
    const ReadAfterView& view = shell.state().readAfter;
    ASSERT_NE(view.lessonVoice, nullptr);
    EXPECT_NEAR(view.lessonVoice->seconds, 1.4, 0.011); // the recording's own 1.4 s
    shell.clock.advance(1040);
    EXPECT_NEAR(view.lessonCursor, 0.728, 1e-9); // 0.7 s of the sentence a second
    shell.clock.advance(880);
    EXPECT_NEAR(view.lessonCursor, 1.344, 1e-9);
    shell.clock.advance(120);
    EXPECT_EQ(view.lessonCursor, -1); // past the sentence's end: the reading is over
}
