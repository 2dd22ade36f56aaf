// Maximised, the read-after picture and the text pages take the panel's extra room; restored,
// every one of them stands exactly where it stood.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"

#include "app/MainController.h"
#include "app/WindowModes.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class MaximisedLayoutTest : public WindowFixture
{
protected:
    void TearDown() override { closeWindow(); }

    /// Maximised on a 1280 x 800 screen (the headless screen is no larger than the window).
    void maximiseOnALargerScreen()
    {
        MainContext& context = controller().context();
        context.state.options.windowMaximised = true;
        context.state.geometry.maximised = true;
        context.state.geometry.window = {0, 0, 1280 * 15, 760 * 15};
        relayoutViews(context);
        window().refresh();
    }

    /// The widget's place in its panel's coordinates, after the window drew itself.
    QRect placeOf(Mode mode, const char* name)
    {
        QApplication::processEvents();
        ModePanel* panel = window().panel(mode);
        auto* widget = panel->findChild<QWidget*>(QString::fromLatin1(name));
        if (!widget || !widget->isVisibleTo(panel))
            return {};
        return QRect(widget->mapTo(panel, QPoint(0, 0)), widget->size());
    }
};

} // namespace

TEST_F(MaximisedLayoutTest, PictureAndPagesGrowWithThePanelAndComeBackExactly)
{
    const struct
    {
        Mode mode;
        const char* widget;
    } parts[] = {
        {Mode::ReadAfter, "VoiceComparisonPicture"}, // the score column stays at its right
        {Mode::FullText, "AllWordMainPicture"},
        {Mode::Translation, "MainPicture"},
    };
    for (const auto& part : parts) {
        SCOPED_TRACE(part.widget);
        openTab(part.mode);
        const QRect normal = placeOf(part.mode, part.widget);
        ASSERT_FALSE(normal.isEmpty());
        const int normalMargin = window().panel(part.mode)->width() - normal.right();

        maximiseOnALargerScreen();
        const QRect maximised = placeOf(part.mode, part.widget);
        ModePanel* panel = window().panel(part.mode);
        ASSERT_GT(panel->width(), 1000);
        // As wide as the panel allows: the same margins, the whole extra width taken.
        EXPECT_EQ(maximised.left(), normal.left());
        EXPECT_EQ(panel->width() - maximised.right(), normalMargin);
        EXPECT_GT(maximised.width(), normal.width());

        controller().restore();
        EXPECT_EQ(placeOf(part.mode, part.widget), normal);
    }
}
