// The two dictation menus: built from the state as it is, their items switch and set.
#include "ui/OptionMenus.h"
#include "ui/PlayerApplication.h"

#include "app/MainController.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TestFolder.h"

using namespace kelvaro;

namespace {

class DictationMenusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_player = std::make_unique<PlayerApplication>(m_folder.root(), &m_dialogs);
        ASSERT_TRUE(m_player->controller().startUp());
    }

    MainController& controller() { return m_player->controller(); }
    const MainState& state() { return controller().state(); }

    /// Item name of a fresh menu, as the settings button of the sub-mode shown opens it.
    QAction* item(const QString& name)
    {
        m_menu.reset(
            state().ModeIndex == kDictationTestMode
                ? buildOptionMenu(QStringLiteral("WriteSet"), state(), controller(), nullptr)
                : buildOptionMenu(QStringLiteral("PenModeSet"), state(), controller(), nullptr));
        return m_menu->findChild<QAction*>(name);
    }

    TestFolder m_folder;
    FakeDialogs m_dialogs;
    std::unique_ptr<PlayerApplication> m_player;
    std::unique_ptr<QMenu> m_menu;
};

} // namespace

TEST_F(DictationMenusTest, TheSubModeItemsSwitchAndReMarkBothMenus)
{
    controller().tabClicked(kFreeSpellingMode);
    // The item of the sub-mode shown does nothing.
    ASSERT_TRUE(item("PenMode1")->isChecked());
    item("PenMode1")->trigger();
    EXPECT_EQ(state().ModeIndex, kFreeSpellingMode);

    item("PenMode2")->trigger();
    EXPECT_EQ(state().ModeIndex, kDictationTestMode);
    EXPECT_TRUE(item("WordMode2")->isChecked());
    EXPECT_FALSE(item("WordMode1")->isChecked());
    item("WordMode2")->trigger();
    EXPECT_EQ(state().ModeIndex, kDictationTestMode);

    item("WordMode1")->trigger();
    EXPECT_EQ(state().ModeIndex, kFreeSpellingMode);
    EXPECT_EQ(state().options.writeMode, WriteMode::FreeSpelling);
}

TEST_F(DictationMenusTest, PassMarkRulesAndChineseItems)
{
    controller().selectDictationTest();
    EXPECT_TRUE(item("WriteSet3")->isChecked()); // 80, the first-run mark
    item("WriteSet1")->trigger();
    EXPECT_EQ(state().options.setFraction, 100);
    EXPECT_TRUE(item("WriteSet1")->isChecked());
    EXPECT_FALSE(item("WriteSet3")->isChecked());
    EXPECT_EQ(item("WriteSet5")->text(), QStringLiteral("60分"));

    item("WriteSet6")->trigger();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("评分标准"));

    EXPECT_EQ(item("SenSetChinese")->text(), QStringLiteral("隐藏中文"));
    item("SenSetChinese")->trigger();
    EXPECT_FALSE(state().options.wordChineseCheck);
    EXPECT_EQ(item("SenSetChinese")->text(), QStringLiteral("显示中文"));
    EXPECT_NE(item("WriteModeRead1"), nullptr);
    EXPECT_NE(item("WriteReadTime8"), nullptr);
    EXPECT_EQ(item("LookResults")->text(), QStringLiteral("查看听写成绩"));
    item("LookResults")->trigger();
    EXPECT_TRUE(state().results.visible);
}
