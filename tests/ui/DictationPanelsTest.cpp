// The two dictation panels in the real window, typed into as a learner does.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"

#include "app/MainController.h"
#include "content/Lesson.h"
#include "content/TextFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TestFolder.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class DictationPanels : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        if (HasFatalFailure())
            return;
        // Lesson 1, sentence 1: "Hello, Tom."
        openTab(Mode::FreeSpelling);
    }

    template <typename T> T* find(Mode mode, const char* name)
    {
        return window().panel(mode)->findChild<T*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(DictationPanels, FreeSpellingEnterSelectsTheWrongLetterThenMovesOn)
{
    auto* box = find<QLineEdit>(Mode::FreeSpelling, "WriteText");
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, QStringLiteral("hello tpm"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), QStringLiteral("hello tpm"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("p"));
    EXPECT_EQ(state().CurrentSentence, 1);

    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("Hello, Tom."));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(DictationPanels, TheDictationBoxRevealsWordsAndScoresAWrongOne)
{
    controller().selectDictationTest();
    ASSERT_EQ(state().ModeIndex, Mode::DictationTest);
    auto* box = find<QLineEdit>(Mode::DictationTest, "WriteWordText");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());

    QTest::keyClicks(box, QStringLiteral("hellp "));
    EXPECT_EQ(box->selectedText(), QStringLiteral("hellp"));
    EXPECT_EQ(find<QLabel>(Mode::DictationTest, "SenFractionLabel")->text(), QStringLiteral("97"));
    EXPECT_EQ(find<QLabel>(Mode::DictationTest, "WrongCountLabel")->text(), QStringLiteral("1"));

    // The next key starts afresh; the comma ends the word, the blank after it is dropped.
    QTest::keyClicks(box, QStringLiteral("hello, tom."));
    ASSERT_EQ(dialogs.messages().size(), 1);
    // Sentence 2 was passed before: the lesson is complete and the learner stays.
    EXPECT_EQ(dialogs.messages()[0].text, QStringLiteral("本课已听写完成！"));
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(find<QLabel>(Mode::DictationTest, "WriteDoneCuePicture")->isVisible());
    const auto text = readTextFile(folder().root() + QStringLiteral("/Book/Kelvaro/1.dat"));
    ASSERT_TRUE(text.ok());
    const auto lesson = parseLesson(text.value(), QStringLiteral("1.dat"));
    ASSERT_TRUE(lesson.ok());
    EXPECT_TRUE(isDictated(lesson.value().records[0]));
    window().close();
}
