// Recall, its hint card and the fill-in in the real window, headless.
#include "ui/ElementCanvas.h"
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"
#include "ui/Twips.h"
#include "ui/WordCuePicture.h"

#include "app/MainController.h"
#include "modes/FillIn.h"
#include "modes/WordCueHints.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "WindowFixture.h"

using namespace kelvaro;

namespace {

// The test lesson: "Hello, Tom." without key words, then "The books are walking." with "books".
class PracticePanelsTest : public WindowFixture
{
};

} // namespace

TEST_F(PracticePanelsTest, RecallClicksOpenTheCardADoubleClickUncoversAndF12CoversAgain)
{
    openTab(Mode::Recall);
    auto* canvas = child<ElementCanvas>(QStringLiteral("ClickWordCanvas"));
    auto* card = child<WordCuePicture>(QStringLiteral("WordCuePicture"));
    ASSERT_NE(canvas, nullptr);
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(isRecallWordCovered(state(), 1));
    EXPECT_FALSE(card->isVisible());

    const QPoint tom = centre(state().recall.ClickWordLabel[3]);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, tom);
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(state().cue.HintStage, 1);
    EXPECT_EQ(card->geometry().topLeft(),
              TwipScale(int(QGuiApplication::primaryScreen()->logicalDotsPerInchX() + 0.5))
                  .rect(state().cue.geometry)
                  .topLeft());

    QTest::mouseDClick(canvas, Qt::LeftButton, {}, centre(state().recall.ClickWordLabel[1]));
    EXPECT_FALSE(isRecallWordCovered(state(), 1));
    EXPECT_EQ(state().cue.line(CueLine::Word).text, QStringLiteral("Hello"));

    key(Qt::Key_F12);
    EXPECT_TRUE(isRecallWordCovered(state(), 1));
    EXPECT_FALSE(card->isVisible());
}

TEST_F(PracticePanelsTest, FillInWalksToTheKeyWordAndTypingInTheBoxIsChecked)
{
    openTab(Mode::FillIn);
    auto* box = child<QLineEdit>(QStringLiteral("CurrentWordWriteText"));
    auto* bubble = child<QLabel>(QStringLiteral("Picture7"));
    auto* next = child<QPushButton>(QStringLiteral("Command1"));
    ASSERT_NE(box, nullptr);
    // The first sentence has no key word: the message, no box.
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(bubble->isVisible());
    EXPECT_EQ(bubble->text(), noKeyWordMessage());
    EXPECT_TRUE(next->isEnabled());

    key(Qt::Key_PageDown);
    EXPECT_EQ(state().CurrentSentence, 2);
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(box->hasFocus());
    EXPECT_FALSE(bubble->isVisible());

    QTest::keyClicks(box, QStringLiteral("booksx"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("booksx")); // too long: selected for a retry
    QTest::keyClicks(box, QStringLiteral("books"));
    EXPECT_EQ(box->text(), QStringLiteral("books"));
    EXPECT_TRUE(bubble->isVisible());
    EXPECT_EQ(bubble->text(), lessonDoneMessage());

    // The last key word: Space only empties the box.
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(bubble->isVisible());
    EXPECT_EQ(state().CurrentSentence, 2);
}
