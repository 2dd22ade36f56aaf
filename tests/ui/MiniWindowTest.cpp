// The compact player's window over the real main window: it takes the full window's place, its
// keys drive the shared player, and the full window comes back as it was.
#include "ui/MiniWindow.h"
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"

#include "app/MainController.h"
#include "app/MiniModeController.h"
#include "app/SentenceDisplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "ChineseText.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class MiniWindowTest : public WindowFixture
{
protected:
    void TearDown() override { closeWindow(); }

    MiniWindow& mini() { return player().miniWindow(); }
    QString miniText(const char* label)
    {
        auto* found = mini().findChild<QLabel*>(QString::fromLatin1(label));
        return found ? found->text() : QStringLiteral("(none)");
    }
    void miniKey(Qt::Key k) { QTest::keyClick(&mini(), k); }
};

} // namespace

TEST_F(MiniWindowTest, TakesTheFullWindowsPlaceAndGivesItBackAsItWasAtTheSentenceReached)
{
    for (bool maximised : {false, true}) {
        SCOPED_TRACE(maximised ? "maximised" : "normal");
        if (maximised)
            controller().maximise();
        openTab(Mode::FullText);
        goToSentence(controller().context(), 1, false);
        const QRect before = window().geometry();
        const int sentence = state().CurrentSentence;

        emit window().miniModeRequested();
        QApplication::processEvents();
        EXPECT_FALSE(window().isVisible());
        ASSERT_TRUE(mini().isVisible());
        EXPECT_TRUE(mini().windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(miniText("MiniTitleLabel"), state().LessonTitle);

        miniKey(Qt::Key_Right);
        EXPECT_EQ(state().CurrentSentence, sentence + 1);
        EXPECT_EQ(miniText("MiniPositionLabel"),
                  QStringLiteral("第%1句 / 共%2句").arg(sentence + 1).arg(state().SentenceCount));
        // The move reads the sentence as the browse tab's "下一句" does; Space holds and goes on.
        EXPECT_TRUE(player().miniMode().view().playing);
        miniKey(Qt::Key_Space);
        EXPECT_FALSE(player().miniMode().view().playing);
        miniKey(Qt::Key_Space);
        EXPECT_TRUE(player().miniMode().view().playing);

        miniKey(Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(mini().isVisible());
        ASSERT_TRUE(window().isVisible());
        EXPECT_EQ(window().geometry(), before);
        EXPECT_EQ(state().geometry.maximised, maximised);
        EXPECT_EQ(state().ModeIndex, Mode::FullText);
        EXPECT_EQ(state().CurrentSentence, sentence + 1);
    }
}

TEST_F(MiniWindowTest, EveryCaptionIsChineseAndTheTranslationShowsOnRequest)
{
    emit window().miniModeRequested();
    QApplication::processEvents();
    for (QAbstractButton* button : mini().findChildren<QAbstractButton*>())
        EXPECT_EQ(sentencesWithoutChinese(button->text()), QStringList())
            << button->objectName().toStdString();
    EXPECT_FALSE(mini().findChild<QLabel*>(QStringLiteral("MiniChineseLabel"))->isVisible());
    QTest::mouseClick(mini().findChild<QAbstractButton*>(QStringLiteral("MiniChineseCommand")),
                      Qt::LeftButton);
    EXPECT_TRUE(mini().findChild<QLabel*>(QStringLiteral("MiniChineseLabel"))->isVisible());
    EXPECT_EQ(miniText("MiniChineseLabel"), state().fields(state().CurrentSentence).chinese);
    // Closing the compact player goes back to the full window; the program goes on.
    mini().close();
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(player().miniMode().isActive());
}
