#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/SentenceDisplay.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class KeyCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        ASSERT_TRUE(shell.startUp()); // lesson 1: two sentences, at the first
    }

    /// Shows sentence s in mode with the given repeat count for every mode, player log cleared.
    void prepare(Mode mode, int s, int count = 1)
    {
        MainState& state = shell.state();
        state.ModeIndex = mode;
        Settings& o = state.options;
        for (RepeatOption* option : {&o.sen, &o.write, &o.all, &o.click, &o.pen})
            option->count = count;
        state.CurrentSentence = s;
        showSentence(shell.context());
        shell.lessonPlayer.clearCalls();
    }

    ShellFixture shell;
};

const QStringList kPlaysSentence1 = {"setEndFence 1.2", "setPosition 0.1", "play"};
const QStringList kPlaysSentence2 = {"setEndFence 2.9", "setPosition 1.5", "play"};
const QStringList kWaitsAtSentence2 = {"setEndFence 2.9", "setPosition 1.5", "pause"};
// A replay of the sentence already shown: its end fence is in place.
const QStringList kReplaysSentence2 = {"setPosition 1.5", "play"};

} // namespace

TEST_F(KeyCommandsTest, PageKeysAndHomeMoveOnlyWhereTheButtonsWould)
{
    const struct
    {
        Mode mode;
        int from;
        WindowKey key;
        int to;
        QStringList calls;
    } cases[] = {
        {Mode::SentenceBrowse, 1, WindowKey::PageDown, 2, kPlaysSentence2},
        {Mode::SentenceBrowse, 2, WindowKey::PageDown, 2, {}}, // next group disabled
        {Mode::SentenceBrowse, 2, WindowKey::PageUp, 1, kPlaysSentence1},
        {Mode::SentenceBrowse, 1, WindowKey::PageUp, 1, {}}, // back group disabled
        {Mode::Translation, 2, WindowKey::Home, 1, kPlaysSentence1},
        {Mode::Translation, 1, WindowKey::Home, 1, kPlaysSentence1}, // whatever the back group says
        {Mode::FreeSpelling, 1, WindowKey::PageDown, 2, kPlaysSentence2},
        // In the fill-in mode these keys walk the key words (one, in sentence 2), never the
        // sentences; the sentence of a key word waits paused at its start.
        {Mode::FillIn, 1, WindowKey::PageDown, 2, kWaitsAtSentence2},
        {Mode::FillIn, 2, WindowKey::PageUp, 2, {}},
        {Mode::FillIn, 2, WindowKey::PageDown, 2, {}},
        {Mode::FillIn, 1, WindowKey::Home, 2, kWaitsAtSentence2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(modeNumber(c.mode)) + " from " + std::to_string(c.from));
        prepare(c.mode, c.from);
        keyPressed(shell.context(), c.key);
        EXPECT_EQ(shell.state().CurrentSentence, c.to);
        EXPECT_EQ(shell.lessonPlayer.calls(), c.calls);
    }
}

TEST_F(KeyCommandsTest, F7PlaysByTheModesRepeatCountExceptInFillIn)
{
    const struct
    {
        Mode mode;
        int count;
        bool plays;
    } cases[] = {
        {Mode::SentenceBrowse, 0, false}, {Mode::SentenceBrowse, 1, true},
        {Mode::Translation, 0, true},     {Mode::DictationTest, 0, false},
        {Mode::FillIn, 0, true}, // the fill-in mode's F7 is its "read the sentence" button
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        prepare(c.mode, 2, c.count);
        keyPressed(shell.context(), WindowKey::F7);
        EXPECT_EQ(shell.lessonPlayer.calls(), c.plays ? kReplaysSentence2 : QStringList());
        EXPECT_EQ(shell.state().CurrentSentence, 2);
    }
}

TEST_F(KeyCommandsTest, CtrlIsHeldUntilAnyKeyIsReleased)
{
    MainContext& context = shell.context();
    EXPECT_FALSE(context.state.CtrlHeld);
    keyPressed(context, WindowKey::Ctrl);
    EXPECT_TRUE(context.state.CtrlHeld);
    keyPressed(context, WindowKey::F2); // another key down does not end it
    EXPECT_TRUE(context.state.CtrlHeld);
    keyReleased(context);
    EXPECT_FALSE(context.state.CtrlHeld);
}
