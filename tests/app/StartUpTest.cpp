#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/LessonOpening.h"
#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"
#include "app/StartUp.h"
#include "app/WindowModes.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class StartUpTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(shell.folder.isValid()); }

    ShellFixture shell;
    MainState& state() { return shell.state(); }
};

} // namespace

TEST(StartUp, OpensTheRememberedLessonAtTheRememberedSentenceAndMode)
{
    struct Case
    {
        int node, sentence;
        Mode mode;
        int lesson;
        QString title;
        QString played; ///< the start the mode plays from
    };
    // Mode 3 always plays; mode 2 plays with its repeat count of 1.
    const Case cases[] = {
        {2, 2, Mode::Translation, 1, QStringLiteral("第一课"), QStringLiteral("setPosition 1.5")},
        {3, 1, Mode::SentenceBrowse, 2, QStringLiteral("第二课"),
         QStringLiteral("setPosition 3.1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        ShellFixture shell;
        Settings settings = defaultSettings();
        settings.lessonNode = c.node;
        settings.startSentence = c.sentence;
        settings.modeIndex = modeNumber(c.mode);
        ASSERT_TRUE(shell.writeSettings(settings));

        ASSERT_TRUE(shell.startUp());
        const MainState& s = shell.state();
        EXPECT_EQ(s.LessonNode, c.node);
        EXPECT_EQ(s.PreviousLessonNode, c.node);
        EXPECT_EQ(s.LessonNumber, c.lesson);
        EXPECT_EQ(s.BookName, QStringLiteral("Kelvaro"));
        EXPECT_EQ(s.LessonTitle, c.title);
        EXPECT_EQ(s.CurrentSentence, c.sentence);
        EXPECT_EQ(s.ModeIndex, c.mode);
        EXPECT_EQ(shell.lessonPlayer.file(),
                  shell.folder.path(QStringLiteral("Sound/Kelvaro/1.mp3")));
        EXPECT_TRUE(shell.lessonPlayer.calls().contains(c.played));
        EXPECT_TRUE(shell.lessonPlayer.isPlaying());
        EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    }
}

TEST(StartUp, WriteModeOffersOneOfTheTwoDictationTabsAndMovesTheModeAcross)
{
    struct Case
    {
        WriteMode writeMode;
        int storedMode;
        Mode mode, hiddenTab, offeredTab;
    };
    constexpr Mode kTest = Mode::DictationTest, kSpelling = Mode::FreeSpelling;
    const Case cases[] = {
        {WriteMode::FreeSpelling, 4, kSpelling, kTest, kSpelling},
        {WriteMode::FreeSpelling, 7, kSpelling, kTest, kSpelling},
        {WriteMode::DictationTest, 7, kTest, kSpelling, kTest},
        {WriteMode::DictationTest, 4, kTest, kSpelling, kTest},
        // 5 is never offered: it becomes the full-text mode.
        {WriteMode::FreeSpelling, 5, Mode::FullText, kTest, kSpelling},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.writeMode)) + " " + std::to_string(c.storedMode));
        ShellFixture shell;
        Settings settings = defaultSettings();
        settings.writeMode = c.writeMode;
        settings.modeIndex = c.storedMode;
        ASSERT_TRUE(shell.writeSettings(settings));

        ASSERT_TRUE(shell.startUp());
        const MainState& s = shell.state();
        EXPECT_EQ(s.ModeIndex, c.mode);
        EXPECT_FALSE(s.TabVisible[c.hiddenTab]);
        EXPECT_TRUE(s.TabVisible[c.offeredTab]);
        EXPECT_FALSE(s.TabVisible[Mode(5)]);
        for (int tab : {1, 2, 3, 6, 8, 9})
            EXPECT_TRUE(s.TabVisible[Mode(tab)]) << tab;
    }
}

TEST(StartUp, RememberedMaximisedWindowIsMaximisedWhenMaximiseTimerFires)
{
    for (const QString& value : {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("2")}) {
        SCOPED_TRACE(value.toStdString());
        ShellFixture shell;
        Settings settings = defaultSettings();
        ASSERT_TRUE(shell.writeSettings(settings, {{6, value}}));
        ASSERT_TRUE(shell.startUp());
        const MainState& s = shell.state();
        const TwipRect normal{0, 0, 12000, 8550};

        EXPECT_EQ(s.geometry.window, normal);
        shell.clock.advance(9);
        EXPECT_FALSE(s.geometry.maximised);

        shell.clock.advance(1);
        const bool maximised = value == QStringLiteral("1");
        EXPECT_EQ(s.geometry.maximised, maximised);
        const TwipRect maximisedWindow{0, 0, 1920 * 15, 1040 * 15};
        EXPECT_EQ(s.geometry.window, maximised ? maximisedWindow : normal);
        EXPECT_FALSE(shell.context().timers.maximiseTimer->isEnabled());
        EXPECT_EQ(ShellFixture::fake(shell.context().timers.maximiseTimer).timesFired(), 1);
    }
}

TEST(StartUp, SetFocusTimerGivesTheFocusToTheModesInputAfter100Ms)
{
    struct Case
    {
        Mode mode;
        WriteMode writeMode;
        FocusTarget focus;
    };
    const Case cases[] = {
        {Mode::FullText, WriteMode::FreeSpelling, FocusTarget::FullTextKeys},
        {Mode::Translation, WriteMode::FreeSpelling, FocusTarget::TranslationKeys},
        {Mode::FreeSpelling, WriteMode::FreeSpelling, FocusTarget::WriteText},
        {Mode::DictationTest, WriteMode::DictationTest, FocusTarget::WriteWordText},
        {Mode::FillIn, WriteMode::FreeSpelling, FocusTarget::CurrentWordWriteText},
        {Mode::SentenceBrowse, WriteMode::FreeSpelling, FocusTarget::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        ShellFixture shell;
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(c.mode);
        settings.writeMode = c.writeMode;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());

        shell.clock.advance(99);
        EXPECT_EQ(shell.context().focus, FocusTarget::None);
        shell.clock.advance(1);
        EXPECT_EQ(shell.context().focus, c.focus);
        EXPECT_FALSE(shell.context().timers.SetFocusTimer->isEnabled());
    }
}

TEST(StartUp, ScreenNoticeOnlyWhenNotAt96Dpi)
{
    for (int dpi : {96, 120, 144}) {
        SCOPED_TRACE(dpi);
        ShellFixture shell;
        shell.screen.setLogicalDpi(dpi);
        ASSERT_TRUE(shell.startUp());
        shell.clock.advance(1000);

        if (dpi == 96) {
            EXPECT_TRUE(shell.dialogs.messages().isEmpty());
            continue;
        }
        ASSERT_EQ(shell.dialogs.messages().size(), 1);
        const FakeDialogs::Message& notice = shell.dialogs.messages().front();
        EXPECT_EQ(notice.kind, FakeDialogs::Kind::Information);
        const QStringList lines = notice.text.split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 5);
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("您的系统DPI非标准值")));
        EXPECT_EQ(lines[1], QStringLiteral("[Windows XP]"));
        EXPECT_EQ(lines[3], QStringLiteral("[Windows 7]"));
        // Start-up went on after the notice.
        EXPECT_TRUE(shell.state().lessonOpen);
    }
}

TEST(StartUp, MissingOrIncompleteSettingsGiveTheFirstRun)
{
    // The partial texts name lesson 2, mode 3 and a maximised window: none of it may stick.
    const QString partial[] = {QString(), QStringLiteral("3/1/3/0/0/1/"),
                               QStringLiteral("/1/3/0/0/1/1/1/80/")};
    for (int i = 0; i <= int(std::size(partial)); ++i) {
        SCOPED_TRACE(i);
        ShellFixture shell;
        if (i == int(std::size(partial))) {
            ASSERT_TRUE(shell.folder.remove(QStringLiteral("SETTING/Set.dat")));
        } else {
            ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/Set.dat"), partial[i]));
        }

        ASSERT_TRUE(shell.startUp());
        shell.clock.advance(1000);
        const MainState& s = shell.state();
        EXPECT_EQ(s.LessonNode, 2);
        EXPECT_EQ(s.LessonNumber, 1);
        EXPECT_EQ(s.CurrentSentence, 1);
        EXPECT_EQ(s.ModeIndex, Mode::FullText);
        EXPECT_FALSE(s.geometry.maximised);
        EXPECT_EQ(formatSettings(s.options), formatSettings(defaultSettings()));
    }
}

TEST_F(StartUpTest, MissingDictionaryWarnsOnceAndStartUpGoesOn)
{
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("lib.dll")));
    ASSERT_TRUE(shell.startUp());
    // The dictionary is read while the window paints; the window settles it once it is read,
    // and a word looked up before that settles it too: either way the warning comes once.
    settleDictionary(shell.context());
    settleDictionary(shell.context());
    EXPECT_FALSE(shell.context().dictionary.lookUpWord(u"hello").found);

    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages().front().kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(shell.dialogs.messages().front().text.contains(QStringLiteral("lib.dll")));
    EXPECT_TRUE(state().lessonOpen);
    EXPECT_EQ(state().SentenceCount, 2);
}

TEST(StartUp, MissingOrMalformedBookListStopsStartUpNamingTheFile)
{
    const QString list = QStringLiteral("SETTING/BookList/Kelvaro.dat");
    // A null text stands for a missing file.
    const QString texts[] = {QString(), QStringLiteral("^第一课^第二课"),
                             QStringLiteral("第一课^第二课^"), QStringLiteral("")};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        ShellFixture shell;
        if (text.isNull()) {
            ASSERT_TRUE(shell.folder.remove(list));
        } else {
            ASSERT_TRUE(shell.folder.writeCp936(list, text));
        }

        EXPECT_FALSE(shell.startUp());
        EXPECT_TRUE(shell.context().quitRequested);
        ASSERT_EQ(shell.dialogs.messages().size(), 1);
        EXPECT_TRUE(shell.dialogs.messages().front().text.contains(QStringLiteral("Kelvaro.dat")));
        EXPECT_FALSE(shell.state().lessonOpen);
        EXPECT_TRUE(shell.lessonPlayer.calls().isEmpty());
    }
}

TEST_F(StartUpTest, RememberedLessonMissingOpensTheFirstLessonThatExists)
{
    Settings settings = defaultSettings();
    settings.lessonNode = 3;
    settings.startSentence = 2;
    ASSERT_TRUE(shell.writeSettings(settings));
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("Book/Kelvaro/2.dat")));

    ASSERT_TRUE(shell.startUp());
    EXPECT_TRUE(state().lessonOpen);
    EXPECT_EQ(state().LessonNumber, 1);
    EXPECT_EQ(state().LessonNode, 2); // the tree and the next run follow the lesson shown
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(state().SentenceCount, 2);
}

// Regression: a refused remembered lesson was reported twice and then no lesson opened at all,
// though the next lesson of the book was fine.
TEST_F(StartUpTest, RememberedLessonRefusedOpensTheNextLessonAfterOneMessage)
{
    ASSERT_TRUE(shell.writeLesson(1, QStringLiteral("not a lesson")));
    ASSERT_TRUE(shell.startUp());

    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_TRUE(shell.dialogs.messages().front().text.contains(shell.lessonPath(1)));
    EXPECT_TRUE(state().lessonOpen);
    EXPECT_EQ(state().LessonNumber, 2);
    EXPECT_EQ(state().LessonNode, 3);
    EXPECT_EQ(state().SentenceCount, 1);
}

TEST_F(StartUpTest, NoLessonAtAllIsReportedNamingTheFolderAndTheWindowStaysUsable)
{
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("Book/Kelvaro/1.dat")));
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("Book/Kelvaro/2.dat")));

    ASSERT_TRUE(shell.startUp());
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_TRUE(shell.dialogs.messages().front().text.contains(
        shell.folder.path(QStringLiteral("Book/Kelvaro"))));
    EXPECT_FALSE(state().lessonOpen);
    EXPECT_EQ(state().SentenceCount, 0);
    EXPECT_EQ(state().DictatedCount, 0);

    // Every action of the window must cope with the empty lesson.
    MainContext& context = shell.context();
    nextSentence(context);
    previousSentence(context);
    firstSentence(context);
    readAloud(context);
    tabClicked(context, Mode::Translation);
    maximiseWindow(context);
    restoreWindow(context);
    shell.clock.advance(5000);
    EXPECT_FALSE(shell.lessonPlayer.calls().contains(QStringLiteral("play")));
    EXPECT_FALSE(state().backGroupEnabled);
    EXPECT_FALSE(state().nextGroupEnabled);
    EXPECT_TRUE(shutDown(context).ok());
}

TEST_F(StartUpTest, ShutDownWritesTheLiveLessonSentenceModeAndWindow)
{
    Settings settings = defaultSettings();
    settings.lessonNode = 3;
    settings.keyWordColour = 0x00FF00;
    settings.writeMode = WriteMode::DictationTest;
    settings.sen.count = 3;
    ASSERT_TRUE(shell.writeSettings(settings));
    ASSERT_TRUE(shell.startUp());
    MainContext& context = shell.context();

    // Lesson 1 from the tree, its second sentence, the translation tab, maximised.
    shell.clock.advance(200);
    treeNodeClicked(context, 2);
    nextSentence(context);
    tabClicked(context, Mode::Translation);
    maximiseWindow(context);
    ASSERT_TRUE(shutDown(context).ok());

    bool complete = false;
    const Settings saved =
        parseSettings(shell.folder.readText(QStringLiteral("SETTING/Set.dat")), &complete);
    ASSERT_TRUE(complete);
    Settings expected = settings;
    expected.lessonNode = 2;
    expected.startSentence = 2;
    expected.modeIndex = modeNumber(Mode::Translation);
    expected.windowMaximised = true;
    expected.mainPictureTop = state().translation.scroll.page.top;
    expected.moveImageTop = state().translation.scroll.thumbTop;
    EXPECT_EQ(formatSettings(saved), formatSettings(expected));

    // The next run comes back to the same place.
    shell.lessonPlayer.clearCalls();
    MainContext& second = shell.restart();
    ASSERT_TRUE(kelvaro::startUp(second));
    shell.clock.advance(200);
    EXPECT_EQ(second.state.LessonNumber, 1);
    EXPECT_EQ(second.state.CurrentSentence, 2);
    EXPECT_EQ(second.state.ModeIndex, Mode::Translation);
    EXPECT_TRUE(second.state.geometry.maximised);
    EXPECT_TRUE(shell.lessonPlayer.calls().contains(QStringLiteral("setPosition 1.5")));
}

TEST_F(StartUpTest, ShutDownThatCannotWriteNamesTheSettingsFile)
{
    ASSERT_TRUE(shell.startUp());
    // A folder where the file should be: nothing can replace it.
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("SETTING/Set.dat")));
    ASSERT_TRUE(QDir().mkpath(shell.folder.path(QStringLiteral("SETTING/Set.dat"))));

    const Status status = shutDown(shell.context());
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.error().contains(QStringLiteral("Set.dat")));
}

// Hostile numbers in the settings file were turned into ints unchecked and applied as they
// stood: a node beyond the tree, a mode that is none, a page scrolled off its stops.
TEST(StartUp, SettingsNumbersAreKeptToTheTreeTheModesAndTheScrollStops)
{
    struct Case
    {
        const char* name;
        int k; ///< the settings value replaced
        QString text;
        int node, mode, pageTop, thumbTop;
    };
    const Case cases[] = {
        {"node beyond the tree", 1, QStringLiteral("1e999"), 3, 1, 0, 255},
        {"node before the tree", 1, QStringLiteral("-1e10"), 2, 1, 0, 255},
        {"node of the book itself", 1, QStringLiteral("1"), 2, 1, 0, 255},
        {"mode beyond 9", 3, QStringLiteral("1e999"), 2, 1, 0, 255},
        {"mode 5", 3, QStringLiteral("5"), 2, 1, 0, 255},
        {"page far above its top", 4, QStringLiteral("-1e999"), 2, 1, 0, 255},
        {"page below its top", 4, QStringLiteral("1e999"), 2, 1, 0, 255},
        {"thumb far down its track", 5, QStringLiteral("1e999"), 2, 1, 0, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture shell;
        QStringList values = cutSettingsValues(formatSettings(defaultSettings()));
        values[c.k - 1] = c.text;
        ASSERT_TRUE(
            shell.folder.writeCp936(QStringLiteral("SETTING/Set.dat"), values.join(u'/') + u'/'));
        ASSERT_TRUE(shell.startUp());
        const MainState& s = shell.state();
        EXPECT_EQ(s.LessonNode, c.node);
        EXPECT_EQ(s.LessonNumber, c.node - 1);
        EXPECT_TRUE(s.lessonOpen);
        EXPECT_EQ(modeNumber(s.ModeIndex), c.mode);
        EXPECT_EQ(s.translation.scroll.page.top, c.pageTop);
        EXPECT_EQ(s.translation.scroll.thumbTop, c.thumbTop);
        EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    }
}
