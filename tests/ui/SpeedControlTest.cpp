// The speed control in the real window, headless: its clicks, its captions and its place.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/TabBar.h"

#include "app/MainController.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class SpeedControlTest : public WindowFixture
{
protected:
    void TearDown() override { closeWindow(); }

    void click(const char* name)
    {
        auto* button = child<QToolButton>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString shown() { return child<QLabel>(QStringLiteral("SpeedValueLabel"))->text(); }

    /// The control's place in the window, and whether it overlaps any other visible control.
    QStringList overlapped()
    {
        QWidget* control = child<QWidget>(QStringLiteral("ReadingSpeedControl"));
        const QRect place(control->mapTo(&window(), QPoint()), control->size());
        QStringList hit;
        for (QWidget* other : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != control && other->isVisible() && other->geometry().intersects(place))
                hit << other->objectName();
        }
        return hit;
    }
};

} // namespace

TEST_F(SpeedControlTest, ClicksStepByTenthsAndTheSlowSpeedIsOneClickAway)
{
    auto* label = child<QLabel>(QStringLiteral("ReadingSpeedLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("语速"));
    EXPECT_EQ(shown(), QStringLiteral("1.0×"));

    const struct
    {
        const char* button;
        double speed;
        const char* caption;
    } clicks[] = {
        {"SlowSpeedCommand", 0.75, "0.75×"}, {"FasterSpeedCommand", 0.8, "0.8×"},
        {"SlowerSpeedCommand", 0.7, "0.7×"}, {"SlowSpeedCommand", 0.75, "0.75×"},
        {"SlowSpeedCommand", 1.0, "1.0×"},   {"FasterSpeedCommand", 1.1, "1.1×"},
    };
    for (const auto& c : clicks) {
        ASSERT_NO_FATAL_FAILURE(click(c.button));
        EXPECT_DOUBLE_EQ(state().readingSpeed, c.speed) << c.button;
        EXPECT_EQ(shown(), QString::fromUtf8(c.caption));
    }
    auto* slow = child<QToolButton>(QStringLiteral("SlowSpeedCommand"));
    EXPECT_FALSE(slow->property("active").toBool());
    for (int i = 0; i < 4; ++i)
        click("FasterSpeedCommand");
    EXPECT_EQ(shown(), QStringLiteral("1.5×"));
    EXPECT_FALSE(child<QToolButton>(QStringLiteral("FasterSpeedCommand"))->isEnabled());
    for (int i = 0; i < 10; ++i)
        click("SlowerSpeedCommand");
    EXPECT_EQ(shown(), QStringLiteral("0.5×"));
    EXPECT_FALSE(child<QToolButton>(QStringLiteral("SlowerSpeedCommand"))->isEnabled());
    click("SlowSpeedCommand");
    EXPECT_TRUE(slow->property("active").toBool());
}

TEST_F(SpeedControlTest, StandsBesideTheTabsOverlappingNothingInEveryModeAndMaximised)
{
    for (Mode mode : {Mode::FullText, Mode::Translation, Mode::SentenceBrowse, Mode::Recall,
                      Mode::ReadAfter, Mode::FillIn, Mode::FreeSpelling}) {
        ASSERT_NO_FATAL_FAILURE(openTab(mode));
        EXPECT_TRUE(child<QWidget>(QStringLiteral("ReadingSpeedControl"))->isVisible()) << mode;
        EXPECT_EQ(overlapped(), QStringList()) << mode;
    }
    controller().maximise();
    EXPECT_EQ(overlapped(), QStringList());
    controller().restore();
    EXPECT_EQ(overlapped(), QStringList());
}
