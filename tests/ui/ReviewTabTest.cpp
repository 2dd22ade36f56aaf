// The "今日复习" tab in the real window, headless.
#include "WindowFixture.h"

#include "ui/ReviewPanel.h"
#include "ui/ReviewTab.h"

#include "ui/ModePanel.h"

#include <QLabel>
#include <QPushButton>

using namespace kelvaro;

namespace {

class ReviewTabTest : public WindowFixture
{
protected:
    void openReview()
    {
        auto* tab = child<ReviewTab>(QStringLiteral("ReviewTab"));
        ASSERT_NE(tab, nullptr);
        QTest::mouseClick(tab, Qt::LeftButton, {}, tab->rect().center());
    }
};

} // namespace

TEST_F(ReviewTabTest, TheTabOverlapsNothingAndLeavesTheModeTabsWhereTheyWere)
{
    auto* tabs = child<TabBar>(QStringLiteral("TabImage"));
    auto* tab = child<ReviewTab>(QStringLiteral("ReviewTab"));
    ASSERT_NE(tab, nullptr);
    ASSERT_TRUE(tab->isVisible());
    // The mode tabs are laid out as without it: seven tabs at most 96 px, 4 px apart.
    const int width = qMin(96, (tabs->width() - 4 * 7) / 7);
    EXPECT_EQ(tabs->tabRect(Mode::FullText), QRect(0, 0, width, tabs->height()));
    const QRect own = tab->geometry();
    for (QWidget* other : window().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (other != tab && other->isVisible())
            EXPECT_FALSE(own.intersects(other->geometry())) << other->objectName().toStdString();
    }
    EXPECT_EQ(own.top(), tabs->geometry().top());
    EXPECT_EQ(own.height(), tabs->geometry().height());
}

TEST_F(ReviewTabTest, OpeningItShowsTheReviewAndAModeTabBringsThePracticeBack)
{
    const Mode mode = state().ModeIndex;
    openReview();
    auto* page = child<ReviewPanel>(QStringLiteral("ReviewPicture"));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    EXPECT_FALSE(window().panel(mode)->isVisible());
    EXPECT_EQ(state().ModeIndex, mode); // the remembered mode stays a practice mode
    EXPECT_EQ(child<QLabel>(QStringLiteral("ReviewDueLabel"))->text(),
              QStringLiteral("今日复习：0 句到期"));
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("ReviewStartCommand"))->isEnabled());

    openTab(Mode::SentenceBrowse);
    EXPECT_FALSE(page->isVisible());
    EXPECT_TRUE(window().panel(Mode::SentenceBrowse)->isVisible());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}
