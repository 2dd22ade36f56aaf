// The full-text and translation pages in the real window, headless: the reading buttons, the
// reveal menu, the reset button and the key receivers.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"

#include "app/MainController.h"
#include "modes/TranslationReveal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TestFolder.h"

using namespace kelvaro;

namespace {

class PagesWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_player = std::make_unique<PlayerApplication>(m_folder.root(), &m_dialogs);
        ASSERT_TRUE(m_player->start());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }
    void TearDown() override
    {
        if (m_player)
            window().close();
    }

    MainWindow& window() { return m_player->window(); }
    const MainState& state() { return m_player->controller().state(); }

    void clickTab(int mode)
    {
        auto* tabs = window().findChild<TabBar*>(QStringLiteral("TabImage"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(mode).center());
        ASSERT_EQ(state().ModeIndex, mode);
    }

    template <typename T> T* child(int mode, const char* name)
    {
        return window().panel(mode)->findChild<T*>(QString::fromLatin1(name));
    }

    QString focused()
    {
        // The window's own record: a popup menu may have left the window inactive.
        QWidget* widget = window().focusWidget();
        return widget ? widget->objectName() : QString();
    }

    TestFolder m_folder;
    FakeDialogs m_dialogs;
    std::unique_ptr<PlayerApplication> m_player;
};

} // namespace

TEST_F(PagesWindowTest, ReadingButtonsFollowStartPauseResumeAndLeavingTheTab)
{
    clickTab(kFullTextMode);
    EXPECT_EQ(focused(), QStringLiteral("Combo2"));
    auto* allRead = child<QPushButton>(kFullTextMode, "AllReadCommand");
    auto* pauseRead = child<QPushButton>(kFullTextMode, "PauseReadCommand");
    ASSERT_NE(allRead, nullptr);
    ASSERT_NE(pauseRead, nullptr);
    EXPECT_TRUE(allRead->isVisible());
    EXPECT_EQ(allRead->text(), QStringLiteral("全文朗读"));
    EXPECT_FALSE(pauseRead->isEnabled());
    // Both stand inside the panel, right of its settings button.
    auto* settings = child<QLabel>(kFullTextMode, "AllSetImage");
    EXPECT_LT(settings->geometry().right(), pauseRead->geometry().left());
    EXPECT_LT(pauseRead->geometry().right(), allRead->geometry().left());
    EXPECT_LE(allRead->geometry().right(), window().panel(kFullTextMode)->width());

    QTest::mouseClick(allRead, Qt::LeftButton);
    EXPECT_EQ(allRead->text(), QStringLiteral("停止朗读"));
    EXPECT_TRUE(pauseRead->isEnabled());
    EXPECT_EQ(pauseRead->text(), QStringLiteral("暂停朗读"));
    QTest::mouseClick(pauseRead, Qt::LeftButton);
    EXPECT_EQ(pauseRead->text(), QStringLiteral("继续朗读"));
    QTest::mouseClick(pauseRead, Qt::LeftButton);
    EXPECT_EQ(pauseRead->text(), QStringLiteral("暂停朗读"));
    EXPECT_EQ(focused(), QStringLiteral("Combo2"));

    clickTab(kTranslationMode);
    EXPECT_EQ(focused(), QStringLiteral("Combo1"));
    clickTab(kFullTextMode);
    EXPECT_EQ(allRead->text(), QStringLiteral("全文朗读"));
    EXPECT_FALSE(pauseRead->isEnabled());
}

TEST_F(PagesWindowTest, TheRevealMenuChecksTheModeInForceAndResetCoversAgain)
{
    clickTab(kTranslationMode);
    auto* hint = child<QLabel>(kTranslationMode, "Label1_8");
    auto* option = child<QPushButton>(kTranslationMode, "OptionCommand");
    auto* reset = child<QPushButton>(kTranslationMode, "ResetCommand");
    ASSERT_NE(hint, nullptr);
    ASSERT_NE(option, nullptr);
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(hint->text(), revealHint(kPointChinese));
    EXPECT_EQ(reset->text(), QStringLiteral("恢复"));
    EXPECT_EQ(child<QPushButton>(kTranslationMode, "AllReadCommand"), nullptr);

    auto openMenu = [&] {
        QTest::mouseClick(option, Qt::LeftButton);
        return window().panel(kTranslationMode)->findChild<QMenu*>(QStringLiteral("YL"));
    };
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("英汉互译设置"));
    QStringList checked;
    for (QAction* action : menu->actions()) {
        if (action->isChecked())
            checked.append(action->objectName());
    }
    EXPECT_EQ(checked, QStringList{"RS1"});
    menu->findChild<QAction*>(QStringLiteral("RS3"))->trigger();
    menu->close();
    QApplication::processEvents();
    EXPECT_EQ(hint->text(), revealHint(kPointEnglishChinese));
    EXPECT_EQ(state().options.translationMode, QStringLiteral("3"));
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("RS3"))->isChecked());
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("RS1"))->isChecked());
    menu->close();

    m_player->controller().translationLineReleased(1, TranslationSide::English);
    EXPECT_TRUE(englishShown(state(), 1));
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_FALSE(englishShown(state(), 1));
    EXPECT_EQ(focused(), QStringLiteral("Combo1"));
}
