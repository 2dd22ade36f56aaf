#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/ModeSwitching.h"
#include "app/SentenceDisplay.h"

#include <gtest/gtest.h>

using namespace kelvaro;

TEST(ModeSwitching, TabClickStopsEveryReadingAndMovesTheFocus)
{
    const struct
    {
        Mode from, tab;
        FocusTarget focus; ///< Tree: the focus stays where it was
    } cases[] = {
        {Mode::SentenceBrowse, Mode::FullText, FocusTarget::FullTextKeys},
        {Mode::SentenceBrowse, Mode::Translation, FocusTarget::TranslationKeys},
        {Mode::SentenceBrowse, Mode::FreeSpelling, FocusTarget::WriteText},
        {Mode::SentenceBrowse, Mode::DictationTest, FocusTarget::WriteWordText},
        {Mode::SentenceBrowse, Mode::FillIn, FocusTarget::CurrentWordWriteText},
        {Mode::Translation, Mode::SentenceBrowse, FocusTarget::Tree},
        {Mode::Translation, Mode::ReadAfter, FocusTarget::Tree},
        {Mode::Translation, Mode::Recall, FocusTarget::Tree},
        // The tab that is already current stops the reading all the same.
        {Mode::SentenceBrowse, Mode::SentenceBrowse, FocusTarget::Tree},
        {Mode::Translation, Mode::Translation, FocusTarget::TranslationKeys},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(modeNumber(c.from)) + " -> " +
                     std::to_string(modeNumber(c.tab)));
        ShellFixture shell;
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(c.from);
        settings.sen.count = 3;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        MainContext& context = shell.context();
        shell.clock.advance(200); // past the start-up focus

        // A reading in progress, with the repeat pauses of every mode running.
        readAloud(context);
        const Timers& t = context.timers;
        for (Timer* timer : {t.browsePauseTimer, t.dictationPauseTimer, t.fullTextPauseTimer,
                             t.recallPauseTimer, t.spellingPauseTimer})
            timer->setEnabled(true);
        context.state.CurrentReadCount = 2;
        context.focus = FocusTarget::Tree;
        shell.lessonPlayer.clearCalls();

        tabClicked(context, c.tab);
        EXPECT_EQ(context.state.ModeIndex, c.tab);
        EXPECT_EQ(context.focus, c.focus);
        EXPECT_EQ(context.state.CurrentReadCount, 0);
        EXPECT_EQ(shell.lessonPlayer.calls(), QStringList{"pause"});
        EXPECT_FALSE(shell.lessonPlayer.isPlaying());
        for (Timer* timer : {t.ReadTimer, t.browsePauseTimer, t.dictationPauseTimer,
                             t.fullTextPauseTimer, t.recallPauseTimer, t.spellingPauseTimer})
            EXPECT_FALSE(timer->isEnabled());

        // Nothing starts again by itself in the new mode.
        shell.clock.advance(60000);
        EXPECT_EQ(shell.lessonPlayer.calls(), QStringList{"pause"});
    }
}

TEST(FocusFollowsTheMouse, SixMovesInARowHandAnAreaTheKeyboard)
{
    ShellFixture shell;
    MainContext& context = shell.context();
    for (int i = 0; i < 5; ++i)
        mouseMovedOver(context, PointerArea::TranslationPage);
    EXPECT_EQ(context.focus, FocusTarget::None);
    mouseMovedOver(context, PointerArea::Tree); // sets the page counts back
    for (int i = 0; i < 5; ++i)
        mouseMovedOver(context, PointerArea::TranslationPage);
    EXPECT_EQ(context.focus, FocusTarget::None);
    mouseMovedOver(context, PointerArea::TranslationPage);
    EXPECT_EQ(context.focus, FocusTarget::TranslationKeys);

    // A move over one page does not set the other page's count back.
    context.focus = FocusTarget::None;
    for (int i = 0; i < 5; ++i)
        mouseMovedOver(context, PointerArea::FullTextPage);
    mouseMovedOver(context, PointerArea::TranslationPage);
    mouseMovedOver(context, PointerArea::FullTextPage);
    EXPECT_EQ(context.focus, FocusTarget::FullTextKeys);
}
