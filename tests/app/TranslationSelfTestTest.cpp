// The translation page as a self-test: reveal modes, uncovering clicks, reset, the "中文" box.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/LessonOpening.h"
#include "app/StartUp.h"
#include "app/TranslationSelfTest.h"
#include "app/WindowModes.h"
#include "content/TextFile.h"
#include "modes/TranslationReveal.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QStringList kRecords = {
    lessonRecord(QStringLiteral("^One$one$^.^"), QStringLiteral("一。"), "1", "2"),
    lessonRecord(QStringLiteral("^Two$two$^.^"), QStringLiteral("二。"), "3", "4"),
    lessonRecord(QStringLiteral("^Three$three$^.^"), QStringLiteral("三。"), "5", "6"),
};

/// The shell started on the translation page of a three-sentence lesson.
class TranslationPage
{
public:
    void start(const QString& storedMode, const QString& allChinese = QStringLiteral("1"))
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::Translation);
        ASSERT_TRUE(shell.writeLesson(1, lessonText(kRecords)));
        ASSERT_TRUE(shell.writeSettings(settings, {{7, allChinese}, {8, storedMode}}));
        ASSERT_TRUE(shell.startUp());
        shell.feedback.clear();
        shell.lessonPlayer.clearCalls();
    }

    MainContext& context() { return shell.context(); }
    MainState& state() { return shell.state(); }
    TranslationView& view() { return state().translation; }

    /// "E" or "e" per English line, "C" or "c" per Chinese line: a capital while shown.
    QString shownLines()
    {
        QString marks;
        for (int s = 1; s <= state().SentenceCount; ++s) {
            marks += englishShown(state(), s) ? u'E' : u'e';
            marks += chineseShown(state(), s) ? u'C' : u'c';
        }
        return marks;
    }

    /// A press and a release on a side of line s.
    void click(int s, TranslationSide side)
    {
        translationLinePressed(context(), s, side);
        translationLineReleased(context(), s, side);
    }

    ShellFixture shell;
};

} // namespace

TEST(TranslationSelfTest, EachRevealModeCoversItsSideWithTheMaskAndTheHandPointer)
{
    const struct
    {
        int mode;
        const char* lines;
        const char* hint;
    } cases[] = {
        {kPointChinese, "EcEcEc", "点击遮挡的中文可显示或隐藏，按恢复重置界面"},
        {kPointEnglish, "eCeCeC", "点击遮挡的英文可显示或隐藏，按恢复重置界面"},
        {kPointEnglishChinese, "ececec", "点击喇叭图标朗读句子，点击遮挡的英文和中文可显示或隐藏"},
    };
    TranslationPage page;
    ASSERT_NO_FATAL_FAILURE(page.start(QStringLiteral("1")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        chooseRevealMode(page.context(), c.mode);
        EXPECT_EQ(page.shownLines(), QString::fromLatin1(c.lines));
        EXPECT_EQ(page.view().hint, QString::fromUtf8(c.hint));
        EXPECT_EQ(page.state().options.translationMode, c.mode);
        EXPECT_EQ(page.context().focus, FocusTarget::TranslationKeys);
        for (int s = 1; s <= 3; ++s) {
            const ViewElement& english = page.view().EnglishTextLabel[s];
            const ViewElement& chinese = page.view().ChineseTextLabel[s];
            const ViewElement& backdrop = page.view().ChinesePointLabel[s];
            // Covered: the text in the background colour on an opaque background.
            EXPECT_EQ(english.opaque, !englishShown(page.state(), s));
            EXPECT_EQ(english.foreground, english.opaque ? kTranslationMask : kBlack);
            EXPECT_EQ(chinese.opaque, !chineseShown(page.state(), s));
            EXPECT_EQ(chinese.foreground, chinese.opaque ? kTranslationMask : kBlack);
            EXPECT_EQ(backdrop.opaque, chinese.opaque);
            EXPECT_TRUE(chinese.visible && backdrop.visible);
            EXPECT_EQ(english.cursor == ElementCursor::Hand, coversEnglish(c.mode));
            EXPECT_EQ(chinese.cursor == ElementCursor::Hand, coversChinese(c.mode));
            EXPECT_EQ(backdrop.cursor, chinese.cursor);
        }
    }
}

TEST(TranslationSelfTest, OnlyTheCoveredSideClicksAndOnlyEnglishMakesTheSentenceCurrent)
{
    const struct
    {
        const char* name;
        int mode;
        TranslationSide side;
        const char* linesAfter; ///< after one click on line 2; a second click covers it again
        int current;
    } cases[] = {
        {"mode 1, English: nothing", kPointChinese, TranslationSide::English, nullptr, 1},
        {"mode 1, Chinese", kPointChinese, TranslationSide::Chinese, "EcECEc", 1},
        {"mode 2, English", kPointEnglish, TranslationSide::English, "eCECeC", 2},
        {"mode 2, Chinese: nothing", kPointEnglish, TranslationSide::Chinese, nullptr, 1},
        {"mode 3, English", kPointEnglishChinese, TranslationSide::English, "ecEcec", 2},
        {"mode 3, Chinese", kPointEnglishChinese, TranslationSide::Chinese, "eceCec", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TranslationPage page;
        ASSERT_NO_FATAL_FAILURE(page.start(QString::number(c.mode)));
        const QString covered = page.shownLines();
        page.click(2, c.side);
        EXPECT_EQ(page.shownLines(), c.linesAfter ? QString::fromLatin1(c.linesAfter) : covered);
        EXPECT_EQ(page.state().CurrentSentence, c.current);
        EXPECT_EQ(page.shell.feedback.played(),
                  c.linesAfter ? QStringList({"MouDown.wav", "MouUp.wav"}) : QStringList());
        // Uncovering reads nothing: the page is a self-test.
        EXPECT_FALSE(page.shell.lessonPlayer.calls().contains(QStringLiteral("play")));
        page.click(2, c.side);
        EXPECT_EQ(page.shownLines(), covered);
        // The self-test writes nothing into the lesson.
        EXPECT_EQ(page.shell.folder.readText(QStringLiteral("Book/Kelvaro/1.dat")),
                  lessonText(kRecords));
    }
}

TEST(TranslationSelfTest, ResetCoversEverythingAndGoesToTheTopKeepingTheHint)
{
    TranslationPage page;
    ASSERT_NO_FATAL_FAILURE(page.start(QStringLiteral("3")));
    page.click(1, TranslationSide::English);
    page.click(3, TranslationSide::Chinese);
    ScrollView& scroll = page.view().scroll;
    scroll.page.height = scroll.frame.height * 3; // a long lesson, scrolled down
    scroll.page.top = -1500;
    scroll.thumbTop = 900;
    page.view().hint = QStringLiteral("kept");
    resetTranslation(page.context());
    EXPECT_EQ(page.shownLines(), QStringLiteral("ececec"));
    EXPECT_EQ(scroll.page.top, 0);
    EXPECT_EQ(scroll.thumbTop, 255);
    EXPECT_EQ(page.view().hint, QStringLiteral("kept"));
    EXPECT_EQ(page.context().focus, FocusTarget::TranslationKeys);
}

// Regression: a stored reveal mode other than 1 to 3 covered nothing and left every click dead.
TEST(TranslationSelfTest, AStoredModeOutsideOneToThreeCountsAsOneAndIsWrittenBackAsOne)
{
    for (const char* stored : {"0", "4", "", "x", "2.5"}) {
        SCOPED_TRACE(stored);
        TranslationPage page;
        ASSERT_NO_FATAL_FAILURE(page.start(QString::fromLatin1(stored)));
        EXPECT_EQ(page.shownLines(), QStringLiteral("EcEcEc"));
        page.click(1, TranslationSide::Chinese);
        EXPECT_EQ(page.shownLines(), QStringLiteral("ECEcEc"));
        ASSERT_TRUE(shutDown(page.context()).ok());
        const auto text = readTextFile(page.shell.folder.path(QStringLiteral("SETTING/Set.dat")));
        ASSERT_TRUE(text.ok());
        EXPECT_EQ(parseSettings(text.value()).translationMode, 1);
        EXPECT_EQ(cutSettingsValues(text.value())[7], QStringLiteral("1"));
    }
}

TEST(TranslationSelfTest, TheRevealModeComesBackAtTheNextStartAndWithEveryLessonOpened)
{
    TranslationPage page;
    ASSERT_NO_FATAL_FAILURE(page.start(QStringLiteral("1")));
    chooseRevealMode(page.context(), kPointEnglish);
    page.click(2, TranslationSide::English);
    ASSERT_TRUE(shutDown(page.context()).ok());

    MainContext& second = page.shell.restart();
    ASSERT_TRUE(startUp(second));
    EXPECT_EQ(page.shownLines(), QStringLiteral("eCeCeC"));
    EXPECT_EQ(page.view().hint, revealHint(kPointEnglish));

    // Opening a lesson covers what was uncovered; so does a lesson node whose file is gone,
    // which leaves the open lesson in place.
    page.click(2, TranslationSide::English);
    treeNodeClicked(second, 2);
    EXPECT_EQ(page.shownLines(), QStringLiteral("eCeCeC"));
    page.click(2, TranslationSide::English);
    ASSERT_TRUE(page.shell.folder.remove(QStringLiteral("Book/Kelvaro/2.dat")));
    treeNodeClicked(second, 3);
    EXPECT_EQ(page.state().LessonNumber, 1);
    EXPECT_EQ(page.shownLines(), QStringLiteral("eCeCeC"));
}

TEST(TranslationSelfTest, AWindowModeChangeKeepsTheLinesTheLearnerUncovered)
{
    TranslationPage page;
    ASSERT_NO_FATAL_FAILURE(page.start(QStringLiteral("3")));
    page.click(2, TranslationSide::English);
    page.click(3, TranslationSide::Chinese);
    maximiseWindow(page.context());
    EXPECT_EQ(page.shownLines(), QStringLiteral("ecEceC"));
    restoreWindow(page.context());
    EXPECT_EQ(page.shownLines(), QStringLiteral("ecEceC"));
    EXPECT_EQ(page.view().EnglishTextLabel[2].cursor, ElementCursor::Hand);
}

TEST(TranslationSelfTest, DoubleClickShowsTheChineseOnlyWhileTheFullTextHidesIt)
{
    for (const char* allChinese : {"0", "1"}) {
        SCOPED_TRACE(allChinese);
        const bool hidden = QLatin1String(allChinese) == QLatin1String("0");
        TranslationPage page;
        ASSERT_NO_FATAL_FAILURE(page.start(QStringLiteral("1"), QString::fromLatin1(allChinese)));
        translationLineDoubleClicked(page.context(), 2);
        // On the full-text page: cell 4 is the first word of sentence 2.
        fullTextCellDoubleClicked(page.context(), 4);
        const auto& messages = page.shell.dialogs.messages();
        ASSERT_EQ(messages.size(), hidden ? 2 : 0);
        if (hidden) {
            for (const auto& message : messages) {
                EXPECT_EQ(message.kind, FakeDialogs::Kind::Information);
                EXPECT_EQ(message.title, QStringLiteral("中文"));
                EXPECT_EQ(message.text, QStringLiteral("二。"));
            }
            EXPECT_EQ(page.shell.lessonPlayer.calls(),
                      (QStringList{"pause", "pause", "setEndFence 4"}));
            EXPECT_EQ(page.state().CurrentSentence, 2);
        } else {
            EXPECT_TRUE(page.shell.lessonPlayer.calls().isEmpty());
        }
    }
}
