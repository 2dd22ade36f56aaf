#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/SentenceDisplay.h"
#include "app/WindowModes.h"
#include "modes/Layout.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class WindowModesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(shell.folder.isValid()); }

    void start(const QStringList& records = {}, Settings settings = defaultSettings())
    {
        if (!records.isEmpty()) {
            ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        }
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

// Sentences of one short line each: 720 twips of the translation page apiece.
QStringList shortSentences(int count)
{
    QStringList records;
    for (int i = 1; i <= count; ++i)
        records.append(lessonRecord(QStringLiteral("^Hi$hi$^"), QStringLiteral("嗨"),
                                    QString::number(i), QString::number(i + 1)));
    return records;
}

// A page after a relayout: within its stops, at its top when it fits, no visible line cut by
// the frame's top, and both ends within reach of the scroll steps.
void expectWholeAndScrollable(ScrollView view, std::initializer_list<const ElementArray*> arrays)
{
    const int lowest = qMin(0, view.frame.height - view.page.height);
    EXPECT_GE(view.page.top, lowest);
    EXPECT_LE(view.page.top, 0);
    EXPECT_EQ(view.scrollControlsVisible, view.pageTallerThanFrame());
    if (!view.pageTallerThanFrame()) {
        EXPECT_EQ(view.page.top, 0);
        EXPECT_EQ(view.thumbTop, 255);
    }
    const int shownFrom = -view.page.top;
    for (const ElementArray* array : arrays) {
        for (qsizetype i = 1; i < array->size(); ++i) {
            const TwipRect& g = (*array)[i].geometry;
            EXPECT_FALSE((*array)[i].visible && g.top < shownFrom && g.bottom() > shownFrom)
                << "element " << i << " cut at the top: " << g.top << ".." << g.bottom();
        }
    }
    scrollSteps(view, 1000);
    EXPECT_EQ(view.page.top, lowest);
    scrollSteps(view, -1000);
    EXPECT_EQ(view.page.top, 0);
}

} // namespace

// Regression: after maximising, the translation page kept its old offset past the end of a
// page that now fits, so line 1 stayed cut off with no scroll bar to bring it back.
TEST_F(WindowModesTest, TextPagesShowWholeLinesAndScrollToEveryLineAfterARelayout)
{
    const struct
    {
        const char* name;
        int sentences;
        int current;
        bool startMaximised;
        double rememberedTop; ///< the translation page's top as the settings keep it
        QList<bool> changes;  ///< maximise (true) or restore (false), in order
    } cases[] = {
        {"maximised with the page scrolled to its end", 12, 12, false, 0, {true}},
        {"started maximised on a scrolled page", 12, 12, true, -2000, {}},
        {"started maximised, restored", 12, 7, true, -2000, {false}},
        {"a long lesson maximised and restored", 40, 25, false, 0, {true, false, true}},
        {"a long lesson started maximised", 40, 33, true, -9000, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture fresh; // each case on a folder of its own
        Settings settings = defaultSettings();
        settings.windowMaximised = c.startMaximised;
        settings.mainPictureTop = c.rememberedTop;
        settings.startSentence = c.current;
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        ASSERT_TRUE(fresh.writeLesson(1, lessonText(shortSentences(c.sentences))));
        ASSERT_TRUE(fresh.writeSettings(settings));
        ASSERT_TRUE(fresh.startUp());
        fresh.clock.advance(20); // the start-up's maximise
        ASSERT_EQ(fresh.state().geometry.maximised, c.startMaximised);
        for (bool maximise : c.changes) {
            if (maximise)
                maximiseWindow(fresh.context());
            else
                restoreWindow(fresh.context());
        }
        const MainState& s = fresh.state();
        EXPECT_EQ(s.CurrentSentence, c.current);
        const TranslationView& t = s.translation;
        expectWholeAndScrollable(
            t.scroll, {&t.EnglishTextLabel, &t.ChineseTextLabel, &t.HornImage, &t.SenNumLabel});
        const FullTextView& f = s.fullText;
        expectWholeAndScrollable(f.scroll,
                                 {&f.AllWordTextLabel, &f.AllChineseLabel, &f.AllVoiceImage});
    }
}

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
