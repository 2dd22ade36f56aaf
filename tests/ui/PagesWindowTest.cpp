// The full-text and translation pages in the real window, headless: the reading buttons, the
// reveal menu, the reset button and the key receivers.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PanelParts.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"

#include "app/MainController.h"
#include "modes/TranslationReveal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "QtPrinters.h"
#include "TestFolder.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class PagesWindowTest : public WindowFixture
{
protected:
    void TearDown() override { closeWindow(); }

    template <typename T> T* child(Mode mode, const char* name)
    {
        return window().panel(mode)->findChild<T*>(QString::fromLatin1(name));
    }

    QString focused()
    {
        // The window's own record: a popup menu may have left the window inactive.
        QWidget* widget = window().focusWidget();
        return widget ? widget->objectName() : QString();
    }
};

} // namespace

TEST_F(PagesWindowTest, ReadingButtonsFollowStartPauseResumeAndLeavingTheTab)
{
    openTab(Mode::FullText);
    EXPECT_EQ(focused(), QStringLiteral("Combo2"));
    auto* allRead = child<QPushButton>(Mode::FullText, "AllReadCommand");
    auto* pauseRead = child<QPushButton>(Mode::FullText, "PauseReadCommand");
    ASSERT_NE(allRead, nullptr);
    ASSERT_NE(pauseRead, nullptr);
    EXPECT_TRUE(allRead->isVisible());
    EXPECT_EQ(allRead->text(), QStringLiteral("全文朗读"));
    EXPECT_FALSE(pauseRead->isEnabled());
    // Both stand inside the panel, right of its settings button.
    auto* settings = child<QLabel>(Mode::FullText, "AllSetImage");
    EXPECT_LT(settings->geometry().right(), pauseRead->geometry().left());
    EXPECT_LT(pauseRead->geometry().right(), allRead->geometry().left());
    EXPECT_LE(allRead->geometry().right(), window().panel(Mode::FullText)->width());

    QTest::mouseClick(allRead, Qt::LeftButton);
    EXPECT_EQ(allRead->text(), QStringLiteral("停止朗读"));
    EXPECT_TRUE(pauseRead->isEnabled());
    EXPECT_EQ(pauseRead->text(), QStringLiteral("暂停朗读"));
    QTest::mouseClick(pauseRead, Qt::LeftButton);
    EXPECT_EQ(pauseRead->text(), QStringLiteral("继续朗读"));
    QTest::mouseClick(pauseRead, Qt::LeftButton);
    EXPECT_EQ(pauseRead->text(), QStringLiteral("暂停朗读"));
    EXPECT_EQ(focused(), QStringLiteral("Combo2"));

    openTab(Mode::Translation);
    EXPECT_EQ(focused(), QStringLiteral("Combo1"));
    openTab(Mode::FullText);
    EXPECT_EQ(allRead->text(), QStringLiteral("全文朗读"));
    EXPECT_FALSE(pauseRead->isEnabled());
}

TEST_F(PagesWindowTest, TheRevealMenuChecksTheModeInForceAndResetCoversAgain)
{
    openTab(Mode::Translation);
    auto* hint = child<QLabel>(Mode::Translation, "Label1_8");
    auto* option = child<QPushButton>(Mode::Translation, "OptionCommand");
    auto* reset = child<QPushButton>(Mode::Translation, "ResetCommand");
    ASSERT_NE(hint, nullptr);
    ASSERT_NE(option, nullptr);
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(hint->text(), revealHint(kPointChinese));
    EXPECT_EQ(reset->text(), QStringLiteral("恢复"));
    EXPECT_EQ(child<QPushButton>(Mode::Translation, "AllReadCommand"), nullptr);

    auto openMenu = [&] {
        QTest::mouseClick(option, Qt::LeftButton);
        return window().panel(Mode::Translation)->findChild<QMenu*>(QStringLiteral("YL"));
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
    EXPECT_EQ(state().options.translationMode, 3);
    menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("RS3"))->isChecked());
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("RS1"))->isChecked());
    menu->close();

    controller().translationLineReleased(1, TranslationSide::English);
    EXPECT_TRUE(englishShown(state(), 1));
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_FALSE(englishShown(state(), 1));
    EXPECT_EQ(focused(), QStringLiteral("Combo1"));
}

TEST(PagesWindow, ArrowKeysOnTheKeyReceiverAndTheThumbScrollALongPage)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    QStringList records;
    for (int s = 1; s <= 40; ++s)
        records.append(QStringLiteral("^Sentence $sentence$^%1$%1$^.^#第%1句。#%2#%3###")
                           .arg(s)
                           .arg(2 * s - 1)
                           .arg(2 * s));
    ASSERT_TRUE(
        folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"), u'*' + records.join(u'*') + u'*'));
    FakeDialogs dialogs;
    PlayerApplication player(folder.root(), &dialogs);
    ASSERT_TRUE(player.start());
    MainWindow& window = player.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const MainState& state = player.controller().state();
    for (Mode mode : {Mode::FullText, Mode::Translation}) {
        SCOPED_TRACE(mode);
        auto* tabs = window.findChild<TabBar*>(QStringLiteral("TabImage"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(mode).center());
        const ScrollView& scroll =
            mode == Mode::FullText ? state.fullText.scroll : state.translation.scroll;
        ASSERT_TRUE(scroll.pageTallerThanFrame());
        EXPECT_EQ(scroll.page.top, 0);
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        EXPECT_EQ(scroll.page.top, -500);
        QTest::keyClick(window.windowHandle(), Qt::Key_Up);
        EXPECT_EQ(scroll.page.top, 0);

        // The thumb dragged half its travel down: the page follows.
        auto* column = window.panel(mode)->findChild<ScrollColumn*>();
        ASSERT_NE(column, nullptr);
        const TwipScale scale;
        const QPoint grab(column->width() / 2, scale.px(scroll.thumbTop + 100));
        const QPoint to = grab + QPoint(0, scale.px(scroll.thumbTravel() / 2));
        QMouseEvent press(QEvent::MouseButtonPress, grab, column->mapToGlobal(grab), Qt::LeftButton,
                          Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, to, column->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, to, column->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, {});
        QApplication::sendEvent(column, &press);
        QApplication::sendEvent(column, &move);
        QApplication::sendEvent(column, &release);
        const int range = scroll.page.height - scroll.frame.height;
        EXPECT_NEAR(scroll.page.top, -range / 2, range / 50);
        EXPECT_NEAR(scroll.thumbTop, 255 + scroll.thumbTravel() / 2, 30);
    }
    window.close();
}
