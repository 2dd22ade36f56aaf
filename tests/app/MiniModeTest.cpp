// The compact player on the fake clock: it reads hands-free with the browse count and pause,
// and the full window gets its mode back at the sentence reached.
#include "LessonTexts.h"
#include "PlayerTimeline.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/ContinuousReading.h"
#include "app/MiniModeController.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Sentence s runs from second 2s - 1 to 2s: a reading started at t ends at t + 1010 ms.
QStringList records(int sentences)
{
    QStringList list;
    for (int s = 1; s <= sentences; ++s)
        list.append(lessonRecord(QStringLiteral("^Word $word$^number$number$^.^"),
                                 QStringLiteral("第%1句。").arg(s), QString::number(2 * s - 1),
                                 QString::number(2 * s)));
    return list;
}

/// The shell in mode on a lesson of three sentences, PlayMode manual, the browse family read
/// twice with a second's pause; the lesson player's calls logged against the fake clock.
class MiniRun
{
public:
    void start(Mode mode)
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        settings.sen = {2, 1000};
        settings.all = {1, 1000};
        settings.playMode = false;
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records(3))));
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        tabClicked(context(), mode); // start-up may be reading sentence 1
        shell.lessonPlayer.clearCalls();
        m_base = shell.clock.now();
    }

    /// Runs the fake clock 1 ms at a time to ms after start(), logging "<ms> <call>".
    void runUntil(qint64 ms)
    {
        collect();
        while (shell.clock.now() - m_base < ms) {
            shell.clock.advance(1);
            collect();
        }
    }

    /// Forgets the calls logged so far, those of this very moment too.
    void forget()
    {
        collect();
        timeline.clear();
    }

    QStringList runningTimers()
    {
        const Timers& t = context().timers;
        QStringList running;
        if (t.ReadTimer->isEnabled())
            running.append(QStringLiteral("ReadTimer"));
        for (Timer* pause : {t.browsePauseTimer, t.dictationPauseTimer, t.fullTextPauseTimer,
                             t.recallPauseTimer, t.spellingPauseTimer}) {
            if (pause->isEnabled())
                running.append(QStringLiteral("a pause timer"));
        }
        return running;
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }

    ShellFixture shell;
    MiniModeController mini{shell.context()};
    QStringList timeline;

private:
    void collect()
    {
        const QStringList& calls = shell.lessonPlayer.calls();
        for (; m_seen < calls.size(); ++m_seen)
            timeline.append(QString::number(shell.clock.now() - m_base) + u' ' + calls[m_seen]);
    }

    qint64 m_base = 0;
    qsizetype m_seen = 0;
};

} // namespace

TEST(MiniMode, PlaysHandsFreeAndTheFullWindowComesBackAtTheSentenceReached)
{
    MiniRun run;
    ASSERT_NO_FATAL_FAILURE(run.start(Mode::Translation));
    run.mini.enter();
    EXPECT_TRUE(run.mini.isActive());
    EXPECT_FALSE(run.mini.view().playing);
    run.mini.playPause();
    EXPECT_TRUE(run.mini.view().playing);
    run.runUntil(7000);
    // Each sentence twice with the browse pause, then on by itself although PlayMode is manual
    // (the first pause is the tab switch's).
    const QStringList played = QStringList{"0 pause"} + reading(0, 1) + reading(2010, 1) +
                               arrival(4020, 2) + upTo(reading(6030, 2), 7000);
    EXPECT_EQ(run.timeline, played);
    EXPECT_EQ(run.state().CurrentSentence, 2);
    EXPECT_EQ(run.mini.view().position, QStringLiteral("第2句 / 共3句"));
    EXPECT_EQ(run.mini.view().readings, QStringLiteral("已读1遍"));

    run.mini.leave();
    EXPECT_FALSE(run.mini.isActive());
    EXPECT_EQ(run.state().ModeIndex, Mode::Translation);
    EXPECT_EQ(run.state().CurrentSentence, 2);
    EXPECT_FALSE(run.state().options.playMode);
    // Back in the full window nothing reads on, and its browse tab no longer goes on by itself.
    run.runUntil(20000);
    EXPECT_EQ(run.timeline, played + QStringList{"7000 pause"});
    EXPECT_EQ(run.runningTimers(), QStringList());
    tabClicked(run.context(), Mode::SentenceBrowse);
    run.forget();
    readAloud(run.context());
    run.runUntil(40000);
    EXPECT_EQ(run.timeline, reading(20000, 2) + reading(22010, 2));
    EXPECT_EQ(run.state().CurrentSentence, 2);
}

// Regression guard: a continuous reading of the full-text page kept running under the compact
// player, two readings at once.
TEST(MiniMode, EnteringStopsWhatTheFullWindowWasReading)
{
    MiniRun run;
    ASSERT_NO_FATAL_FAILURE(run.start(Mode::FullText));
    allReadClicked(run.context());
    run.runUntil(1500); // inside the pause after the first reading
    run.mini.enter();
    EXPECT_EQ(run.runningTimers(), QStringList());
    EXPECT_FALSE(run.state().fullText.readingRuns);
    EXPECT_FALSE(run.mini.view().playing);
    run.forget();
    run.runUntil(10000);
    EXPECT_EQ(run.timeline, QStringList());
    run.mini.leave();
    EXPECT_EQ(run.state().ModeIndex, Mode::FullText);
    EXPECT_EQ(allReadCaption(run.state()), QStringLiteral("全文朗读"));
}

TEST(MiniMode, PauseStopsReadingAndPauseAndPlayStartsTheSentenceAgain)
{
    const struct
    {
        const char* name;
        int pauseAt;
    } moments[] = {{"inside a reading", 500}, {"inside a pause", 1500}};
    for (const auto& m : moments) {
        SCOPED_TRACE(m.name);
        MiniRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse));
        run.mini.enter();
        run.mini.playPause();
        run.runUntil(m.pauseAt);
        run.mini.playPause();
        EXPECT_FALSE(run.mini.view().playing);
        EXPECT_EQ(run.runningTimers(), QStringList());
        run.forget();
        run.runUntil(10000);
        EXPECT_EQ(run.timeline, QStringList());
        run.mini.playPause();
        run.runUntil(14100);
        EXPECT_EQ(run.timeline,
                  upTo(reading(10000, 1) + reading(12010, 1) + arrival(14020, 2), 14100));
        EXPECT_EQ(run.state().CurrentSentence, 2);
    }
}

TEST(MiniMode, ShowsTheSentenceItsTranslationOnRequestAndTheMovesOffered)
{
    MiniRun run;
    ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse));
    run.mini.enter();
    MiniView view = run.mini.view();
    EXPECT_EQ(view.title, run.state().LessonTitle);
    EXPECT_EQ(view.english, QStringLiteral("Word number."));
    EXPECT_EQ(view.chinese, QString());
    EXPECT_EQ(view.repeatCount, 2);
    EXPECT_FALSE(view.canGoBack);
    EXPECT_TRUE(view.canGoOn);

    run.mini.toggleChinese();
    run.mini.next();
    run.mini.next();
    view = run.mini.view();
    EXPECT_EQ(view.chinese, QStringLiteral("第3句。"));
    EXPECT_EQ(view.position, QStringLiteral("第3句 / 共3句"));
    EXPECT_TRUE(view.canGoBack);
    EXPECT_FALSE(view.canGoOn);
    run.mini.next(); // not offered at the last sentence
    EXPECT_EQ(run.state().CurrentSentence, 3);
    run.mini.previous();
    EXPECT_EQ(run.state().CurrentSentence, 2);

    // The count is the browse tab's own, as its menu sets it.
    run.mini.setRepeatCount(5);
    EXPECT_EQ(run.state().options.sen.count, 5);
    EXPECT_EQ(run.mini.view().repeatCount, 5);
}
