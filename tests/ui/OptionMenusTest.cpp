// The option menus: items set the options, check marks follow the values.
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

class OptionMenusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_player = std::make_unique<PlayerApplication>(m_folder.root(), &m_dialogs);
        ASSERT_TRUE(m_player->controller().startUp());
    }

    MainController& controller() { return m_player->controller(); }
    const Settings& options() { return controller().state().options; }

    /// A fresh menu, as the settings button opens it, and its item named name.
    QAction* item(const QString& name)
    {
        m_menu.reset(buildOptionMenu(QStringLiteral("SenModeSet"), controller().state(),
                                     controller(), nullptr));
        return m_menu->findChild<QAction*>(name);
    }

    TestFolder m_folder;
    FakeDialogs m_dialogs;
    std::unique_ptr<PlayerApplication> m_player;
    std::unique_ptr<QMenu> m_menu;
};

} // namespace

TEST_F(OptionMenusTest, CountAndPauseItemsSetTheValueAndTheCheckMark)
{
    const struct
    {
        const char* item;
        double count;
        int pauseMs;
    } cases[] = {
        {"SenModeRead0", 0, 1000}, {"SenModeRead3", 3, 1000},   {"SenModeRead7", 20, 1000},
        {"SenReadTime0", 20, 10},  {"SenReadTime8", 20, 60000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* action = item(QString::fromLatin1(c.item));
        ASSERT_NE(action, nullptr);
        action->trigger();
        EXPECT_EQ(options().sen.count, c.count);
        EXPECT_EQ(options().sen.pauseMs, c.pauseMs);
        EXPECT_EQ(controller().context().timers.Timer3->interval(), c.pauseMs);
        EXPECT_TRUE(item(QString::fromLatin1(c.item))->isChecked());
    }
}

TEST_F(OptionMenusTest, AValueNoItemOffersChecksNothingAndIsKept)
{
    controller().setRepeatCount(kSentenceBrowseMode, 4);
    for (int i = 0; i < 8; ++i)
        EXPECT_FALSE(item(QStringLiteral("SenModeRead%1").arg(i))->isChecked()) << i;
    EXPECT_EQ(options().sen.count, 4);
}

TEST_F(OptionMenusTest, PlayModeAndChineseItems)
{
    item(QStringLiteral("SetPlayMode2"))->trigger();
    EXPECT_TRUE(options().playMode);
    EXPECT_TRUE(item(QStringLiteral("SetPlayMode2"))->isChecked());
    EXPECT_FALSE(item(QStringLiteral("SetPlayMode1"))->isChecked());

    EXPECT_EQ(item(QStringLiteral("SenModeChinese"))->text(), QStringLiteral("隐藏中文"));
    item(QStringLiteral("SenModeChinese"))->trigger();
    EXPECT_FALSE(options().senChineseCheck);
    EXPECT_FALSE(controller().state().sentence.SenChineseLabel.visible);
    EXPECT_EQ(item(QStringLiteral("SenModeChinese"))->text(), QStringLiteral("显示中文"));
}

TEST_F(OptionMenusTest, RecallAndFillInMenusFollowTheLiveState)
{
    const auto recallItem = [this](const QString& name) {
        m_menu.reset(buildOptionMenu(QStringLiteral("ClickSet"), controller().state(), controller(),
                                     nullptr));
        return m_menu->findChild<QAction*>(name);
    };
    EXPECT_EQ(recallItem(QStringLiteral("ClickSetChinese"))->text(), QStringLiteral("隐藏中文"));
    recallItem(QStringLiteral("ClickSetChinese"))->trigger();
    EXPECT_FALSE(options().clickChineseCheck);
    EXPECT_FALSE(controller().state().sentence.ClickWordChineseLabel.visible);
    EXPECT_EQ(recallItem(QStringLiteral("ClickSetChinese"))->text(), QStringLiteral("显示中文"));
    recallItem(QStringLiteral("ClickModeRead4"))->trigger();
    EXPECT_EQ(options().click.count, 5);
    EXPECT_TRUE(recallItem(QStringLiteral("ClickModeRead4"))->isChecked());

    const auto fillInItem = [this](const QString& name) {
        m_menu.reset(buildOptionMenu(QStringLiteral("CurrentWordModeSet"), controller().state(),
                                     controller(), nullptr));
        return m_menu->findChild<QAction*>(name);
    };
    const struct
    {
        const char* name;
        bool Settings::*option;
    } toggles[] = {{"CurrentWordChinese", &Settings::currentWordChinese},
                   {"CurrentWordRead", &Settings::currentWordRead},
                   {"CurrentWordPron", &Settings::currentWordPron},
                   {"CurrentWordEnglish", &Settings::currentWordEnglish}};
    for (const auto& t : toggles) {
        SCOPED_TRACE(t.name);
        const QString name = QString::fromLatin1(t.name);
        const bool before = options().*(t.option);
        EXPECT_EQ(fillInItem(name)->isChecked(), before);
        fillInItem(name)->trigger();
        EXPECT_EQ(options().*(t.option), !before);
        EXPECT_EQ(fillInItem(name)->isChecked(), !before);
    }
}
