// Presses, double clicks and releases in the real window, headless: what belongs to a control
// stays with it, and only the window's own background and title strip move or resize it.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"
#include "ui/Twips.h"

#include "app/MainController.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "LessonTexts.h"
#include "TestFolder.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class WindowClicksTest : public WindowFixture
{
protected:
    template <typename T> T* child(const QString& name)
    {
        T* found = WindowFixture::child<T>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    TabBar* tabs() { return child<TabBar>(QStringLiteral("TabImage")); }
    void openTab(Mode mode)
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(mode).center());
        ASSERT_EQ(state().ModeIndex, mode);
    }
    void expectNormalWindowAt(const QPoint& place)
    {
        EXPECT_FALSE(state().geometry.maximised);
        EXPECT_EQ(window().size(), QSize(800, 570));
        EXPECT_EQ(window().pos(), place);
    }
};

} // namespace

// Regression: a double click on a tab or a check box fell through to the window and maximised
// or restored it.
TEST_F(WindowClicksTest, DoubleClicksOnControlsNeverResizeTheWindow)
{
    openTab(Mode::FullText);
    const QPoint place = window().pos();
    const struct
    {
        const char* what;
        QWidget* widget;
        QPoint at;
    } controls[] = {
        {"tab", tabs(), tabs()->tabRect(Mode::SentenceBrowse).center()},
        {"current tab", tabs(), tabs()->tabRect(Mode::SentenceBrowse).center()},
        {"check box picture", child<QWidget>(QStringLiteral("AllChineseCheckImage")), {}},
        {"check box caption", child<QWidget>(QStringLiteral("AllChineseCheckLabel")), {}},
        {"panel", window().panel(Mode::FullText), QPoint(3, 3)},
    };
    for (const auto& control : controls) {
        SCOPED_TRACE(control.what);
        ASSERT_NE(control.widget, nullptr);
        if (!control.widget->isVisible())
            openTab(Mode::FullText);
        const QPoint at = control.at.isNull() ? control.widget->rect().center() : control.at;
        QTest::mouseDClick(control.widget, Qt::LeftButton, {}, at);
        expectNormalWindowAt(place);
    }

    // The title strip's own double click still maximises and restores.
    auto* strip = child<QWidget>(QStringLiteral("FaceImage"));
    QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(strip->width() / 3, strip->height() / 2));
    EXPECT_TRUE(state().geometry.maximised);
    QTest::mouseDClick(strip, Qt::LeftButton, {}, QPoint(strip->width() / 3, strip->height() / 2));
    EXPECT_FALSE(state().geometry.maximised);
}

// Regression: pressing a control and moving with the button held dragged the window.
TEST_F(WindowClicksTest, OnlyTheTitleStripDragsTheWindow)
{
    openTab(Mode::FullText);
    const QPoint place = window().pos();
    auto* caption = child<QWidget>(QStringLiteral("AllChineseCheckLabel"));
    ASSERT_NE(caption, nullptr);
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(caption, QPoint(45, 35));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(45, 35));
    EXPECT_EQ(window().pos(), place);

    auto* strip = child<QWidget>(QStringLiteral("FaceImage"));
    QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(strip, QPoint(240, 40));
    QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(240, 40));
    EXPECT_EQ(window().pos(), place + QPoint(40, 30));
}

// Regression: a release away from the pressed speaker icon left it pressed in, and a release
// over another icon played that other sentence.
TEST_F(WindowClicksTest, ASpeakerIconActsOnlyWhenPressedAndReleasedOverIt)
{
    openTab(Mode::Translation);
    auto* canvas = child<QWidget>(QStringLiteral("MainPicture"));
    ASSERT_NE(canvas, nullptr);
    const ElementArray& horns = state().translation.HornImage;
    ASSERT_GE(horns.size(), 3);
    ASSERT_EQ(state().CurrentSentence, 1);
    const TwipRect rest = horns[1].geometry;
    const TwipRect rest2 = horns[2].geometry;

    // Released over another icon, then over empty page: nothing plays, the icon is at rest.
    for (const QPoint away :
         {centre(horns[2]), QPoint(canvas->width() - 20, canvas->height() - 5)}) {
        QTest::mousePress(canvas, Qt::LeftButton, {}, centre(horns[1]));
        EXPECT_EQ(horns[1].geometry.left, rest.left + 15); // pressed in
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, away);
        EXPECT_TRUE(horns[1].geometry == rest);
        EXPECT_EQ(state().CurrentSentence, 1);
    }
    // A release over an icon that was not pressed does nothing either.
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(canvas->width() - 20, 5));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, centre(horns[2]));
    EXPECT_EQ(state().CurrentSentence, 1);

    // Pressed and released over the same icon: its sentence.
    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(horns[2]));
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(state().translation.HornImage[2].geometry == rest2);
    // A double click (press, release, press and double click, release) is two clicks of the
    // icon, and leaves it at rest.
    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(horns[1]));
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, centre(horns[1]));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, centre(horns[1]));
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_TRUE(state().translation.HornImage[1].geometry == rest);
}

// Regression: pressing the up arrow and letting go over the window scrolled the page down.
TEST(WindowScrollClicks, AScrollButtonActsOnlyWhenReleasedOverItself)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    QStringList records;
    for (int s = 1; s <= 40; ++s)
        records << lessonRecord(QStringLiteral("^Line$line$^ %1.^").arg(s), QStringLiteral("行。"),
                                QString::number(s), QString::number(s + 0.5));
    ASSERT_TRUE(folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"), lessonText(records)));
    FakeDialogs dialogs;
    PlayerApplication player(folder.root(), &dialogs);
    ASSERT_TRUE(player.start());
    MainWindow& window = player.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const MainState& state = player.controller().state();
    ASSERT_EQ(state.ModeIndex, Mode::FullText);
    QWidget* column = nullptr;
    for (QWidget* w : window.panel(Mode::FullText)->findChildren<QWidget*>()) {
        if (QString::fromLatin1(w->metaObject()->className())
                .endsWith(QLatin1String("ScrollColumn")))
            column = w;
    }
    ASSERT_NE(column, nullptr);
    ASSERT_TRUE(column->isVisible());
    const QPoint up(column->width() / 2, 3);
    const QPoint down(column->width() / 2, column->height() - 3);
    const int top = state.fullText.scroll.page.top;

    QTest::mousePress(column, Qt::LeftButton, {}, up);
    QTest::mouseRelease(column, Qt::LeftButton, {}, down);
    EXPECT_EQ(state.fullText.scroll.page.top, top);
    QTest::mousePress(column, Qt::LeftButton, {}, down);
    QTest::mouseRelease(column, Qt::LeftButton, {}, QPoint(-200, 40));
    EXPECT_EQ(state.fullText.scroll.page.top, top);

    QTest::mouseClick(column, Qt::LeftButton, {}, down);
    EXPECT_LT(state.fullText.scroll.page.top, top);
    window.close();
}
