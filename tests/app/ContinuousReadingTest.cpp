// Continuous reading of the whole lesson on the full-text page, on the fake clock.
#include "LessonTexts.h"
#include "PlayerTimeline.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/ContinuousReading.h"
#include "app/LessonOpening.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/TranslationSelfTest.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

using namespace kelvaro;

namespace {

// Three sentences of exactly one second each, sentence s from 2s - 1 to 2s: a reading that
// starts at t ends at the first ReadTimer tick past its end, t + 1010 ms.
QStringList records(int sentences)
{
    QStringList list;
    for (int s = 1; s <= sentences; ++s)
        list.append(lessonRecord(QStringLiteral("^Word$word$^number$number$^.^"),
                                 QStringLiteral("第%1句。").arg(s), QString::number(2 * s - 1),
                                 QString::number(2 * s)));
    return list;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The shell in full-text mode on a lesson of three one-second sentences, the lesson player's
/// calls logged against the fake clock from the moment start() returns.
class ReadingRun
{
public:
    void start(RepeatOption all, int sentences = 3)
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::FullText);
        settings.all = all;
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records(sentences))));
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        tabClicked(context(), Mode::FullText); // start-up may be reading sentence 1
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

    /// What the two buttons say, "停止朗读|暂停朗读" with "(off)" for a disabled pause button.
    QString buttons()
    {
        return allReadCaption(state()) + u'|' + pauseReadCaption(state()) +
               (state().fullText.readingRuns ? QString() : QStringLiteral("(off)"));
    }

    QStringList runningTimers()
    {
        const Timers& t = context().timers;
        QStringList running;
        if (t.ReadTimer->isEnabled())
            running.append(QStringLiteral("ReadTimer"));
        if (t.fullTextPauseTimer->isEnabled())
            running.append(QStringLiteral("fullTextPauseTimer"));
        return running;
    }

    /// The first word cell of sentence s.
    int firstCellOf(int s)
    {
        const QVector<int>& cells = state().fullText.cellSentence;
        return int(cells.indexOf(s));
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }

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

const QString kRest = QStringLiteral("全文朗读|暂停朗读(off)");
const QString kRunning = QStringLiteral("停止朗读|暂停朗读");
const QString kHeld = QStringLiteral("停止朗读|继续朗读");

} // namespace

TEST(ContinuousReading, ReadsEverySentenceItsCountWithThePauseAndRestsAtTheEnd)
{
    ReadingRun run;
    ASSERT_NO_FATAL_FAILURE(run.start({2, 1000}));
    const QByteArray lesson = readBytes(run.shell.lessonPath(1));
    EXPECT_EQ(run.buttons(), kRest);
    allReadClicked(run.context());
    EXPECT_EQ(run.buttons(), kRunning);
    EXPECT_EQ(run.context().focus, FocusTarget::FullTextKeys);

    run.runUntil(8000);
    EXPECT_EQ(run.state().CurrentSentence, 2);
    EXPECT_EQ(run.buttons(), kRunning);
    // The last sentence becoming current puts the buttons back; its readings still run.
    run.runUntil(8040);
    EXPECT_EQ(run.state().CurrentSentence, 3);
    EXPECT_EQ(run.buttons(), kRest);
    run.runUntil(60000);

    EXPECT_EQ(run.timeline, arrival(0, 1) + arrival(2010, 1) + arrival(4020, 2) + arrival(6030, 2) +
                                arrival(8040, 3) + arrival(10050, 3));
    EXPECT_EQ(run.runningTimers(), QStringList());
    EXPECT_EQ(run.state().CurrentReadCount, 2);
    EXPECT_EQ(readBytes(run.shell.lessonPath(1)), lesson); // reading writes nothing
}

TEST(ContinuousReading, PauseHoldsAReadingOrAPauseAndResumeGoesOnFromThere)
{
    const struct
    {
        const char* name;
        int pauseAt;
        QStringList timeline; ///< to 14 s, resumed at 10 s
    } cases[] = {
        // Half of the first reading heard: the other half after the resume, then its pause.
        {"inside a reading", 500,
         QStringList{"0 setEndFence 2", "0 setPosition 1", "0 play", "500 pause", "10000 play",
                     "10510 pause"} +
             arrival(11510, 2) + arrival(13520, 3)},
        // The pause is held too: no reading starts while the button says "继续朗读", and the
        // resume starts the pause again.
        {"inside a pause", 1500,
         arrival(0, 1) + QStringList{"1500 pause"} + arrival(11000, 2) + arrival(13010, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({1, 1000}));
        allReadClicked(run.context());
        run.runUntil(c.pauseAt);
        pauseReadClicked(run.context());
        EXPECT_EQ(run.buttons(), kHeld);
        EXPECT_EQ(run.runningTimers(), QStringList());
        run.runUntil(10000);
        pauseReadClicked(run.context());
        EXPECT_EQ(run.buttons(), kRunning);
        run.runUntil(14000);
        EXPECT_EQ(run.timeline, upTo(c.timeline, 14000));
    }
}

// Regression: the stop left ReadTimer and the full-text pause running, and the sentence read
// when the button was pressed was counted and read again.
TEST(ContinuousReading, StopEndsEveryReadingAndGoesBackToTheFirstSentence)
{
    const struct
    {
        const char* name;
        int stopAt;
    } moments[] = {{"inside a reading", 2500}, {"inside a pause", 3500}, {"held", 5000}};
    for (const auto& m : moments) {
        SCOPED_TRACE(m.name);
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({2, 1000}));
        allReadClicked(run.context());
        run.runUntil(m.stopAt == 5000 ? 2500 : m.stopAt);
        if (m.stopAt == 5000) {
            pauseReadClicked(run.context());
            run.runUntil(m.stopAt);
        }
        run.timeline.clear();
        allReadClicked(run.context());
        EXPECT_EQ(run.buttons(), kRest);
        EXPECT_EQ(run.runningTimers(), QStringList());
        EXPECT_EQ(run.state().CurrentSentence, 1);
        for (int s = 1; s <= 3; ++s)
            EXPECT_FALSE(run.state().translation.SenLine[s].visible);
        EXPECT_EQ(run.state().fullText.scroll.page.top, 0);
        EXPECT_EQ(run.state().translation.scroll.thumbTop, 255);
        run.runUntil(60000);
        EXPECT_EQ(run.timeline, (QStringList{QStringLiteral("%1 pause").arg(m.stopAt),
                                             QStringLiteral("%1 setEndFence 2").arg(m.stopAt)}));
    }
}

// Regression: a tab change stopped the reading but left "停止朗读" on the button; a count of 0
// read sentence 1 and then left the run standing with nothing to read.
TEST(ContinuousReading, ButtonsComeToRestWhenNothingMoreWillBeRead)
{
    {
        SCOPED_TRACE("tab change");
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({2, 1000}));
        allReadClicked(run.context());
        run.runUntil(500);
        pauseReadClicked(run.context());
        tabClicked(run.context(), Mode::Translation);
        tabClicked(run.context(), Mode::FullText);
        EXPECT_EQ(run.buttons(), kRest);
        run.runUntil(30000);
        EXPECT_EQ(run.timeline, (QStringList{"0 setEndFence 2", "0 setPosition 1", "0 play",
                                             "500 pause", "500 pause", "500 pause"}));
    }
    {
        SCOPED_TRACE("another lesson opened");
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({2, 1000}));
        allReadClicked(run.context());
        run.runUntil(500);
        treeNodeClicked(run.context(), 2);
        EXPECT_EQ(run.buttons(), kRest);
    }
    {
        SCOPED_TRACE("count 0: the first sentence is read once, then the buttons rest");
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({0, 1000}));
        allReadClicked(run.context());
        run.runUntil(2000);
        EXPECT_EQ(run.buttons(), kRunning);
        run.runUntil(2010);
        EXPECT_EQ(run.buttons(), kRest);
        run.runUntil(30000);
        EXPECT_EQ(run.timeline, arrival(0, 1));
        EXPECT_EQ(run.state().CurrentSentence, 1);
    }
    {
        SCOPED_TRACE("a lesson of one sentence: read its count, buttons back at the first pause");
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({2, 1000}, 1));
        allReadClicked(run.context());
        run.runUntil(2009);
        EXPECT_EQ(run.buttons(), kRunning);
        run.runUntil(30000);
        EXPECT_EQ(run.buttons(), kRest);
        EXPECT_EQ(run.timeline, arrival(0, 1) + arrival(2010, 1));
    }
}

// Regression: a click on a cell while the lesson was read aloud turned the sentence watcher
// off, and the run stood still with "停止朗读" on the button.
TEST(ContinuousReading, AChosenSentenceMidRunIsReadAndTheRunGoesOnFromIt)
{
    const struct
    {
        const char* name;
        std::function<void(ReadingRun&)> choose;
    } ways[] = {
        {"cell or speaker icon", [](ReadingRun& run) { readChosenSentence(run.context(), 2); }},
        {"next sentence key",
         [](ReadingRun& run) { keyPressed(run.context(), WindowKey::PageDown); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({2, 1000}));
        allReadClicked(run.context());
        run.runUntil(1500); // in the pause after the first reading, due at 2010
        way.choose(run);
        EXPECT_EQ(run.state().CurrentSentence, 2);
        run.runUntil(12000);
        // The pause of sentence 1 is dropped: it neither restarts sentence 2 nor steps on.
        EXPECT_EQ(run.timeline, upTo(arrival(0, 1) + arrival(1500, 2) + arrival(3510, 2) +
                                         arrival(5520, 3) + arrival(7530, 3),
                                     12000));
        EXPECT_EQ(run.buttons(), kRest);
    }
}

TEST(ContinuousReading, ClicksThatStopTheLessonPlayerHoldTheRunUntilItIsResumed)
{
    const struct
    {
        const char* name;
        std::function<void(ReadingRun&)> click;
        QStringList afterResume; ///< the calls from the resume at 5 s on
    } clicks[] = {
        // The lookup leaves the player at the sentence's start: all of it is read.
        {"a word looked up",
         [](ReadingRun& run) { lookUpFullTextWord(run.context(), run.firstCellOf(1)); },
         QStringList{"5000 play", "6010 pause"} + arrival(7010, 2) + arrival(9020, 3)},
        // Half of the sentence was heard before the Chinese was shown.
        {"a double click for the Chinese",
         [](ReadingRun& run) { fullTextCellDoubleClicked(run.context(), run.firstCellOf(1)); },
         QStringList{"5000 play", "5510 pause"} + arrival(6510, 2) + arrival(8520, 3)},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.name);
        ReadingRun run;
        ASSERT_NO_FATAL_FAILURE(run.start({1, 1000}));
        run.state().options.allChineseCheck = FullTextChinese::Hidden;
        allReadClicked(run.context());
        run.runUntil(500);
        c.click(run);
        EXPECT_EQ(run.buttons(), kHeld);
        EXPECT_EQ(run.runningTimers(), QStringList());
        run.runUntil(5000);
        run.timeline.clear();
        pauseReadClicked(run.context());
        run.runUntil(20000);
        EXPECT_EQ(run.timeline, c.afterResume);
        EXPECT_EQ(run.buttons(), kRest);
    }
}

TEST(ContinuousReading, ThePageFollowsTheReadingToTheLastSentence)
{
    ReadingRun run;
    ASSERT_NO_FATAL_FAILURE(run.start({1, 10}, 60));
    const ScrollView& scroll = run.state().fullText.scroll;
    ASSERT_TRUE(scroll.pageTallerThanFrame());
    allReadClicked(run.context());
    int moves = 0;
    int lastTop = scroll.page.top;
    for (int s = 1; s <= 60; ++s) {
        // Each sentence takes its reading (1010 ms) and the shortest pause (10 ms).
        run.runUntil(qint64(s - 1) * 1020 + 5);
        ASSERT_EQ(run.state().CurrentSentence, s);
        // The start of the sentence being read stands inside the viewport.
        const ViewElement& start =
            run.state().fullText.AllWordTextLabel[run.state().fullText.SentenceCellOffset];
        EXPECT_GE(start.geometry.top + scroll.page.top, 0);
        EXPECT_LE(start.geometry.bottom() + scroll.page.top, scroll.frame.height);
        if (scroll.page.top != lastTop) {
            ++moves;
            // Half a viewport at a time, or to the page's end.
            EXPECT_TRUE(lastTop - scroll.page.top == scroll.frame.height / 2 ||
                        scroll.page.top == scroll.frame.height - scroll.page.height);
            lastTop = scroll.page.top;
        }
    }
    EXPECT_GT(moves, 1);
    EXPECT_EQ(run.buttons(), kRest);
    EXPECT_GT(scroll.thumbTop, 255); // the thumb follows the page
}
