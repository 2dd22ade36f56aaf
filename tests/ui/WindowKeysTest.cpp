// The window's keys while the learner types in a box: the window acts on them first, and only
// Backspace (and the typing itself) goes on to the box.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PlayerApplication.h"

#include "app/MainController.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TestFolder.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class WindowKeysTest : public WindowFixture
{
protected:
    void TearDown() override { closeWindow(); }

    /// The mode's input box, focused as the learner clicked into it.
    QLineEdit* box(Mode mode, const char* name)
    {
        auto* box = window().panel(mode)->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (box) {
            window().activateWindow();
            box->setFocus();
            QApplication::processEvents();
        }
        return box;
    }
    /// Keys as the window receives them from the desktop.
    void type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(window().windowHandle(), c.toLatin1());
    }
};

} // namespace

TEST_F(WindowKeysTest, FreeSpellingKeysActWhileTypingAndOnlyBackspaceReachesTheBox)
{
    controller().tabClicked(Mode::FreeSpelling);
    QLineEdit* writeText = box(Mode::FreeSpelling, "WriteText");
    ASSERT_NE(writeText, nullptr);
    ASSERT_EQ(window().focusWidget(), writeText);
    type(QStringLiteral("Helo"));
    EXPECT_EQ(writeText->text(), QStringLiteral("Helo"));

    key(Qt::Key_F8); // the English hint; the box keeps its text
    EXPECT_EQ(state().dictation.WriteSenEnglishLabel, QStringLiteral("Hello, Tom."));
    EXPECT_EQ(writeText->text(), QStringLiteral("Helo"));
    key(Qt::Key_Home); // the window's, not the box's caret move
    EXPECT_EQ(state().CurrentSentence, 1);
    key(Qt::Key_Backspace);
    EXPECT_EQ(writeText->text(), QStringLiteral("Hel"));
    key(Qt::Key_PageDown);
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(writeText->text().isEmpty());
}

TEST_F(WindowKeysTest, DictationHintKeysActWhileTheWordBoxHasTheFocus)
{
    controller().tabClicked(Mode::FreeSpelling);
    controller().selectDictationTest();
    QLineEdit* wordBox = box(Mode::DictationTest, "WriteWordText");
    ASSERT_NE(wordBox, nullptr);
    ASSERT_EQ(window().focusWidget(), wordBox);
    key(Qt::Key_F5);
    EXPECT_EQ(state().dictation.score.score, 99);
    key(Qt::Key_F6);
    EXPECT_EQ(state().dictation.score.score, 94);
    key(Qt::Key_F8); // free spelling's, nothing here
    key(Qt::Key_F1); // the fill-in's, nothing here
    EXPECT_EQ(state().dictation.score.score, 94);
    EXPECT_EQ(state().ModeIndex, Mode::DictationTest);
}
