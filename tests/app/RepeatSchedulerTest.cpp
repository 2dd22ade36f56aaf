#include "LessonTexts.h"
#include "PlayerTimeline.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/LessonOpening.h"
#include "app/ModeSwitching.h"
#include "app/RepeatScheduler.h"
#include "app/SentenceDisplay.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kelvaro;

namespace {

// Two sentences of exactly one second each: a reading that starts at t ends at the first
// ReadTimer tick past its end, t + 1010 ms.
const QStringList kRecords = {
    lessonRecord(QStringLiteral("^One$one$^.^"), QStringLiteral("一。"), "1", "2"),
    lessonRecord(QStringLiteral("^Two$two$^.^"), QStringLiteral("二。"), "3", "4"),
};

/// The shell on the two-sentence lesson, and a log of the lesson player's calls against the
/// fake clock.
class SchedulerRun
{
public:
    /// Starts in mode with these options, everything idle; times count from here.
    void start(Mode mode, const std::function<void(Settings&)>& options = {})
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        if (mode == Mode::DictationTest)
            settings.writeMode = WriteMode::DictationTest; // its tab is offered instead of 7's
        if (options)
            options(settings);
        ASSERT_TRUE(shell.writeLesson(1, lessonText(kRecords)));
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        ASSERT_EQ(state().ModeIndex, mode);
        // Start-up may already be reading sentence 1; each test starts its own sequence.
        tabClicked(context(), mode);
        shell.lessonPlayer.clearCalls();
        m_base = shell.clock.now();
    }

    /// Runs the fake clock on, 1 ms at a time, to ms after start(). Every player call goes
    /// into timeline as "<ms> <call>"; calls a test made between runs get the instant of them.
    void runUntil(qint64 ms)
    {
        collect();
        while (shell.clock.now() - m_base < ms) {
            shell.clock.advance(1);
            collect();
        }
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }

    /// The scheduler's timers that are running.
    QStringList runningTimers()
    {
        const Timers& t = context().timers;
        const std::pair<const char*, Timer*> all[] = {
            {"ReadTimer", t.ReadTimer},
            {"browsePauseTimer", t.browsePauseTimer},
            {"dictationPauseTimer", t.dictationPauseTimer},
            {"fullTextPauseTimer", t.fullTextPauseTimer},
            {"recallPauseTimer", t.recallPauseTimer},
            {"spellingPauseTimer", t.spellingPauseTimer},
        };
        QStringList running;
        for (const auto& [name, timer] : all) {
            if (timer->isEnabled())
                running.append(QString::fromLatin1(name));
        }
        return running;
    }

    ShellFixture shell;
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

TEST(RepeatScheduler, AutomaticBrowseReadsEachSentenceThreeTimesAndStartsOverAfterTheLast)
{
    SchedulerRun run;
    ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [](Settings& o) {
        o.sen = {3, 2000};
        o.playMode = true;
    }));
    MainState& state = run.state();
    firstSentence(run.context());

    run.runUntil(500);
    EXPECT_EQ(state.CurrentReadCount, 0);
    EXPECT_EQ(run.runningTimers(), QStringList{"ReadTimer"});
    run.runUntil(5000); // in the second pause
    EXPECT_EQ(state.CurrentSentence, 1);
    EXPECT_EQ(state.CurrentReadCount, 2);
    EXPECT_EQ(run.runningTimers(), QStringList{"browsePauseTimer"});
    run.runUntil(8000); // the pause after the last reading still belongs to sentence 1
    EXPECT_EQ(state.CurrentSentence, 1);
    EXPECT_EQ(state.CurrentReadCount, 3);
    run.runUntil(9500);
    EXPECT_EQ(state.CurrentSentence, 2);
    EXPECT_EQ(state.CurrentReadCount, 0);
    run.runUntil(17000);
    EXPECT_EQ(state.CurrentSentence, 2);
    EXPECT_EQ(state.CurrentReadCount, 3);
    run.runUntil(18500);
    EXPECT_EQ(state.CurrentSentence, 1);
    EXPECT_EQ(state.StartSentence, 1);

    const QStringList expected = arrival(0, 1) + reading(3010, 1) + reading(6020, 1) +
                                 arrival(9030, 2) + reading(12040, 2) + reading(15050, 2) +
                                 arrival(18060, 1);
    EXPECT_EQ(run.timeline, upTo(expected, 18500));
}

TEST(RepeatScheduler, BrowseSequenceFollowsCountPauseAndPlayMode)
{
    enum Start { Arrive, ReadAloud };
    const struct
    {
        const char* name;
        int count, pauseMs, playMode;
        Start how;
        QStringList timeline; ///< cut at 6 s
        int readingsAtEnd;
    } cases[] = {
        {"manual mode stays on the sentence", 3, 1000, 0, Arrive,
         arrival(0, 1) + reading(2010, 1) + reading(4020, 1), 3},
        {"count 1: one reading, one pause, then the next sentence", 1, 1000, 1, Arrive,
         arrival(0, 1) + arrival(2010, 2) + arrival(4020, 1), 1},
        {"no pause is one 10 ms period", 2, 10, 1, Arrive,
         arrival(0, 1) + reading(1020, 1) + arrival(2040, 2) + reading(3060, 2) + arrival(4080, 1) +
             reading(5100, 1),
         1},
        {"count 0: arriving plays nothing", 0, 1000, 1, Arrive, {"0 setEndFence 2"}, 0},
        {"count 0: read aloud plays once, automatic mode never advances", 0, 10, 1, ReadAloud,
         reading(0, 1), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [&c](Settings& o) {
            o.sen = {double(c.count), c.pauseMs};
            o.playMode = c.playMode;
        }));
        if (c.how == Arrive)
            firstSentence(run.context());
        else
            readAloud(run.context());
        run.runUntil(6000);
        EXPECT_EQ(run.timeline, upTo(c.timeline, 6000));
        EXPECT_EQ(run.state().CurrentSentence, 1);
        EXPECT_EQ(run.state().CurrentReadCount, c.readingsAtEnd);
    }
}

TEST(RepeatScheduler, TranslationAndReadAfterReadOncePerClickWhateverTheCounts)
{
    for (Mode mode : {Mode::Translation, Mode::ReadAfter}) {
        SCOPED_TRACE(mode);
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(mode, [](Settings& o) {
            for (RepeatOption* option : {&o.sen, &o.write, &o.all, &o.click, &o.pen})
                *option = {3, 10};
            o.playMode = true;
        }));
        firstSentence(run.context());
        run.runUntil(3000);
        EXPECT_EQ(run.runningTimers(), QStringList());
        EXPECT_EQ(run.state().CurrentReadCount, 1);

        readAloud(run.context());
        run.runUntil(6000);
        EXPECT_EQ(run.timeline, arrival(0, 1) + reading(3000, 1));
        EXPECT_EQ(run.runningTimers(), QStringList());
        EXPECT_EQ(run.state().CurrentSentence, 1);
    }
}

TEST(RepeatScheduler, EachFamilyWaitsOnItsOwnTimerAndCountsWithItsOwnCount)
{
    const struct
    {
        Mode mode;
        RepeatOption Settings::*option;
        const char* timer;
    } families[] = {
        {Mode::SentenceBrowse, &Settings::sen, "browsePauseTimer"},
        {Mode::DictationTest, &Settings::write, "dictationPauseTimer"},
        {Mode::FreeSpelling, &Settings::pen, "spellingPauseTimer"},
        {Mode::Recall, &Settings::click, "recallPauseTimer"},
    };
    for (const auto& f : families) {
        SCOPED_TRACE(f.mode);
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(f.mode, [&f](Settings& o) {
            // Another family's count or pause would show as more readings or other times.
            for (RepeatOption* option : {&o.sen, &o.write, &o.all, &o.click, &o.pen})
                *option = {5, 10};
            o.*(f.option) = {2, 1500};
        }));
        firstSentence(run.context());
        run.runUntil(1500);
        EXPECT_EQ(run.runningTimers(), QStringList{f.timer});
        EXPECT_EQ(run.state().CurrentReadCount, 1);
        run.runUntil(10000);
        EXPECT_EQ(run.timeline, arrival(0, 1) + reading(2510, 1));
        EXPECT_EQ(run.runningTimers(), QStringList());
        EXPECT_EQ(run.state().CurrentReadCount, 2);
        EXPECT_EQ(run.state().CurrentSentence, 1);
    }
}

TEST(RepeatScheduler, FullTextRepeatsShowTheSentenceAgainWithoutRestartingTheCount)
{
    SchedulerRun run;
    ASSERT_NO_FATAL_FAILURE(run.start(Mode::FullText, [](Settings& o) { o.all = {3, 1000}; }));
    firstSentence(run.context());
    run.runUntil(2500); // the second reading, after the show-again
    EXPECT_EQ(run.state().CurrentReadCount, 1);
    EXPECT_EQ(run.runningTimers(), QStringList{"ReadTimer"});
    // Up to the end of the pause after the last reading; what follows is continuous reading.
    run.runUntil(6020);
    EXPECT_EQ(run.timeline, arrival(0, 1) + arrival(2010, 1) + arrival(4020, 1));
    EXPECT_EQ(run.state().CurrentReadCount, 3);
    EXPECT_EQ(run.runningTimers(), QStringList{"fullTextPauseTimer"});
}

TEST(RepeatScheduler, TabChangeStopsTheSequenceAndReturningDoesNotResumeIt)
{
    const struct
    {
        const char* name;
        int at;
    } moments[] = {{"during a reading", 500}, {"during a pause", 2000}};
    for (const auto& m : moments) {
        SCOPED_TRACE(m.name);
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [](Settings& o) {
            o.sen = {3, 2000};
            o.playMode = true;
        }));
        firstSentence(run.context());
        run.runUntil(m.at);
        tabClicked(run.context(), Mode::Translation);
        EXPECT_EQ(run.runningTimers(), QStringList());
        EXPECT_FALSE(run.shell.lessonPlayer.isPlaying());
        EXPECT_EQ(run.state().CurrentReadCount, 0);
        run.runUntil(m.at + 10000);
        tabClicked(run.context(), Mode::SentenceBrowse);
        run.runUntil(m.at + 30000);

        // Each tab click pauses the player; nothing else happens.
        const QStringList tabClicks = {QStringLiteral("%1 pause").arg(m.at),
                                       QStringLiteral("%1 pause").arg(m.at + 10000)};
        EXPECT_EQ(run.timeline, upTo(arrival(0, 1), m.at) + tabClicks);
        EXPECT_EQ(run.state().CurrentSentence, 1);
        EXPECT_EQ(run.state().CurrentReadCount, 0);
    }
}

// Regression: the pause of the sentence left ran out later and restarted the new sentence from
// its beginning in the middle of its reading.
TEST(RepeatScheduler, NavigationDuringAPauseStartsTheNewSentenceAtOnceAndOnlyOnce)
{
    const struct
    {
        const char* name;
        void (*action)(MainContext&);
        int from, to;
    } cases[] = {
        {"next", nextSentence, 1, 2},
        {"previous", previousSentence, 2, 1},
        {"first", firstSentence, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [](Settings& o) {
            o.sen = {2, 2000};
        }));
        run.state().CurrentSentence = c.from;
        showSentence(run.context());
        playSentenceForMode(run.context());
        run.runUntil(1500); // in the pause after the first reading, due at 3010
        c.action(run.context());
        run.runUntil(10000);

        EXPECT_EQ(run.timeline, arrival(0, c.from) + arrival(1500, c.to) + reading(4510, c.to));
        EXPECT_EQ(run.state().CurrentSentence, c.to);
        EXPECT_EQ(run.state().CurrentReadCount, 2);
        EXPECT_EQ(run.runningTimers(), QStringList());
    }
}

// Regression: only "首句", "上一句" and "下一句" stopped the old pause; from a tree click, a
// full-text cell, a speaker icon, "朗读" or F7 it ran out during the new reading and started
// the sentence again from its beginning.
TEST(RepeatScheduler, EveryPathThatStartsAReadingStopsThePauseStillCounting)
{
    const struct
    {
        const char* name;
        std::function<void(MainContext&)> action;
        int sentence; ///< the sentence the action reads
    } cases[] = {
        {"tree click", [](MainContext& c) { treeNodeClicked(c, 2); }, 1},
        {"full-text cell or speaker icon", [](MainContext& c) { goToSentence(c, 2, true); }, 2},
        {"朗读", readAloud, 1},
        {"F7", [](MainContext& c) { keyPressed(c, WindowKey::F7); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [](Settings& o) {
            o.sen = {2, 1000};
        }));
        playSentenceForMode(run.context());
        run.runUntil(1500); // in the pause after the first reading, due at 2010
        c.action(run.context());
        run.runUntil(8000);

        // The new reading runs to its end, then its own pause and its second reading follow.
        QStringList after;
        for (const QString& entry : run.timeline) {
            const int ms = entry.section(u' ', 0, 0).toInt();
            const QString call = entry.section(u' ', 1);
            if (ms > 1500 && (call.startsWith(QStringLiteral("setPosition")) ||
                              call == QLatin1String("play") || call == QLatin1String("pause")))
                after.append(entry);
        }
        const QStringList second = reading(3510, c.sentence);
        EXPECT_EQ(after, QStringList{QStringLiteral("2510 pause")} + second);
        EXPECT_EQ(run.state().CurrentSentence, c.sentence);
        EXPECT_EQ(run.state().CurrentReadCount, 2);
    }
}

TEST(RepeatScheduler, OptionChangesTakeEffectAtTheNextPause)
{
    SchedulerRun run;
    ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [](Settings& o) {
        o.sen = {3, 2000};
        o.playMode = true;
    }));
    MainContext& context = run.context();
    firstSentence(context);
    run.runUntil(500);
    setRepeatPause(context, Mode::SentenceBrowse, 1000);
    run.runUntil(3500); // in the second pause
    EXPECT_EQ(run.state().CurrentReadCount, 2);
    setRepeatCount(context, Mode::SentenceBrowse, 2);
    run.runUntil(5500);

    // The count reached, the pause's end goes on to the next sentence.
    EXPECT_EQ(run.timeline, arrival(0, 1) + reading(2010, 1) + arrival(4020, 2));
    EXPECT_EQ(run.state().options.sen.pauseMs, 1000);
    EXPECT_EQ(run.state().options.sen.count, 2);
}

TEST(RepeatScheduler, ShowingAnotherSentenceMovesTheEndOfTheReadingUnderWay)
{
    const struct
    {
        int playing, shown;
        QStringList timeline;
    } cases[] = {
        // Reading on through the gap to the later end.
        {1, 2, {"0 setPosition 1", "0 play", "500 setEndFence 4", "3010 pause"}},
        // Already past the earlier end: the next tick ends the reading.
        {2, 1, {"0 setPosition 3", "0 play", "500 setEndFence 2", "510 pause"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.playing) + " then " + std::to_string(c.shown));
        SchedulerRun run;
        ASSERT_NO_FATAL_FAILURE(run.start(Mode::SentenceBrowse, [](Settings& o) {
            o.sen = {0, 1000};
        }));
        MainContext& context = run.context();
        run.state().CurrentSentence = c.playing;
        showSentence(context);
        run.shell.lessonPlayer.clearCalls();
        readAloud(context);
        run.runUntil(500);
        run.state().CurrentSentence = c.shown;
        showSentence(context);
        run.runUntil(5000);

        EXPECT_EQ(run.timeline, c.timeline);
        EXPECT_EQ(run.shell.lessonPlayer.endFence(), 2.0 * c.shown);
        EXPECT_EQ(run.state().CurrentReadCount, 1);
    }
}
