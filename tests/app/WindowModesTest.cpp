#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/SentenceDisplay.h"
#include "app/WindowModes.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class WindowModesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(shell.folder.isValid()); }

    void start(const QStringList& records = {})
    {
        if (!records.isEmpty()) {
            ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        }
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    const WindowGeometry& geometry() { return state().geometry; }

    ShellFixture shell;
};

// Twelve words of 1200 twips: seven fit a normal row (450 + 8 x 1200 > 8970), all fit a
// maximised one on a 1920 pixel screen.
QString longSentence()
{
    QString english = QStringLiteral("^");
    for (int k = 0; k < 12; ++k)
        english += QStringLiteral("wwwwwwwwww$w$^");
    return lessonRecord(english, "中", "0", "1");
}

} // namespace

TEST_F(WindowModesTest, MaximiseCoversTheScreenDownToTheTaskbar)
{
    const struct
    {
        const char* name;
        int dpi;
        QRect workArea;
        TwipRect window;
    } cases[] = {
        {"taskbar at the bottom", 96, QRect(0, 0, 1920, 1040), {0, 0, 28800, 15600}},
        {"taskbar at the top", 96, QRect(0, 40, 1920, 1040), {0, 0, 28800, 16200}},
        {"taskbar at the left", 96, QRect(60, 0, 1860, 1080), {0, 0, 28800, 16200}},
        // 12 twips per pixel: the window ends exactly where the work area does.
        {"120 dpi", 120, QRect(0, 0, 1920, 1040), {0, 0, 23040, 1040 * 12}},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell.screen.setLogicalDpi(c.dpi);
        shell.screen.setWorkArea(c.workArea);
        restoreWindow(context());
        maximiseWindow(context());
        EXPECT_TRUE(geometry().maximised);
        EXPECT_TRUE(state().options.windowMaximised);
        EXPECT_EQ(geometry().window, c.window);
    }
}

TEST_F(WindowModesTest, PanelsAndViewportsFollowTheWindowSize)
{
    start();
    const TwipRect normalPanel{2580, 1110, 9270, 7290};
    EXPECT_EQ(geometry().panel, normalPanel);
    EXPECT_EQ(state().translation.scroll.frame.width, 8940);

    for (bool maximised : {true, false, true}) {
        SCOPED_TRACE(maximised);
        if (maximised)
            maximiseWindow(context());
        else
            restoreWindow(context());
        const TwipRect& window = geometry().window;
        const TwipRect& panel = geometry().panel;
        if (maximised) {
            EXPECT_EQ(panel.right(), window.width - 150);
            EXPECT_EQ(panel.bottom(), window.height - 370);
        } else {
            EXPECT_EQ(panel, normalPanel);
        }
        for (const ScrollView* view : {&state().translation.scroll, &state().fullText.scroll}) {
            EXPECT_EQ(view->frame.width, panel.width - 330);
            EXPECT_EQ(view->frame.bottom(), panel.height - 685);
            EXPECT_EQ(view->downButtonTop, view->frame.height - 255);
            EXPECT_EQ(view->page.width, view->frame.width - 300);
        }
    }
}

TEST_F(WindowModesTest, RestoreCentresANormalWindowOnTheScreen)
{
    const struct
    {
        QSize screen;
        TwipRect window;
    } cases[] = {
        {QSize(1920, 1080), {14400 - 6000, 8100 - 4275, 12000, 8550}},
        {QSize(1366, 768), {10245 - 6000, 5760 - 4275, 12000, 8550}},
    };
    start();
    for (const auto& c : cases) {
        shell.screen.setSize(c.screen);
        maximiseWindow(context());
        restoreWindow(context());
        EXPECT_FALSE(geometry().maximised);
        EXPECT_FALSE(state().options.windowMaximised);
        EXPECT_EQ(geometry().window, c.window);
    }
}

TEST_F(WindowModesTest, WindowModeChangeKeepsSentencePlaybackAndReflowsTheWords)
{
    start({lessonRecord("^Hi$hi$^", "嗨", "0", "1"), longSentence()});
    nextSentence(context()); // plays sentence 2
    // The recall and dictation tabs' copies of the words, as they are when those tabs show.
    for (Mode mode : {Mode::Recall, Mode::DictationTest})
        context().rooms.catchUp(context(), mode);
    shell.lessonPlayer.clearCalls();
    const ElementArray& words = state().sentence.SenWordLabel;
    ASSERT_EQ(words.size(), 13);
    EXPECT_EQ(words[8].geometry.top, 1050 + 300 + 60);

    maximiseWindow(context());
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_EQ(words[8].geometry.top, 1050);
    EXPECT_EQ(words[8].geometry.left, words[7].geometry.right());
    EXPECT_EQ(state().recall.ClickWordLabel[8].geometry, words[8].geometry);
    EXPECT_TRUE(state().translation.SenLine[2].visible);
    EXPECT_TRUE(state().fullText.AllWordLine[state().fullText.SentenceCellOffset].visible);

    // Back to the normal width: the row breaks again, 30 under the first until the next sentence.
    restoreWindow(context());
    EXPECT_EQ(words[8].geometry.left, 450);
    EXPECT_EQ(words[8].geometry.top, 1050 + 300 + 30);
    EXPECT_EQ(state().dictation.WriteWordLabel[8].geometry, words[8].geometry);
    EXPECT_EQ(state().sentence.SenChineseLabel.geometry.top, words[8].geometry.bottom() + 135);

    // Neither change touched the reading.
    EXPECT_TRUE(shell.lessonPlayer.calls().isEmpty());
    EXPECT_TRUE(shell.lessonPlayer.isPlaying());
    EXPECT_TRUE(context().timers.ReadTimer->isEnabled());

    showSentence(context());
    EXPECT_EQ(words[8].geometry.top, 1050 + 300 + 60);
}

TEST_F(WindowModesTest, FocusReturnsToTheModesInput)
{
    start();
    state().ModeIndex = Mode::Translation;
    context().focus = FocusTarget::Tree;
    maximiseWindow(context());
    EXPECT_EQ(context().focus, FocusTarget::TranslationKeys);
    context().focus = FocusTarget::Tree;
    restoreWindow(context());
    EXPECT_EQ(context().focus, FocusTarget::TranslationKeys);
}
