// The results view in the real window: opened from the dictation test's icon, a sentence
// clicked in its list, closed by its picture button.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PlayerApplication.h"

#include "app/MainController.h"

#include <QListView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TestFolder.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class ResultsPictureTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        controller().selectDictationTest();
        ASSERT_EQ(state().ModeIndex, Mode::DictationTest);
    }

    QWidget* view() { return window().findChild<QWidget*>(QStringLiteral("ResultsPicture")); }
    void openFromIcon()
    {
        auto* icon =
            window().panel(Mode::DictationTest)->findChild<QWidget*>(QStringLiteral("Image1"));
        ASSERT_NE(icon, nullptr);
        ASSERT_TRUE(icon->isVisible());
        QTest::mouseClick(icon, Qt::LeftButton);
        ASSERT_TRUE(view()->isVisible());
    }
};

} // namespace

TEST_F(ResultsPictureTest, TheIconOpensTheViewAndASentenceClickGoesToItsDictation)
{
    openFromIcon();
    // The test lesson's second sentence is the one passed.
    auto* passed = view()->findChild<QListView*>(QStringLiteral("List2"));
    ASSERT_NE(passed, nullptr);
    const QModelIndex second = passed->model()->index(0, 0);
    ASSERT_TRUE(second.data().toString().startsWith(QStringLiteral("2.")));
    QTest::mouseClick(passed->viewport(), Qt::LeftButton, {}, passed->visualRect(second).center());
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_FALSE(view()->isVisible());
    EXPECT_TRUE(state().dictation.WriteWordTextVisible);
}

TEST_F(ResultsPictureTest, ThePageOptionsAndTheExitPicture)
{
    openFromIcon();
    auto* book = view()->findChild<QWidget*>(QStringLiteral("BookPicture"));
    EXPECT_FALSE(book->isVisible());
    QTest::mouseClick(view()->findChild<QWidget*>(QStringLiteral("Option1")), Qt::LeftButton);
    EXPECT_TRUE(book->isVisible());
    QTest::mouseClick(view()->findChild<QToolButton*>(QStringLiteral("ExitResultsCommand")),
                      Qt::LeftButton);
    EXPECT_FALSE(view()->isVisible());
}
