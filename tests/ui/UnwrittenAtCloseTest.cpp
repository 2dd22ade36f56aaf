// Closing the window with a change its lesson file could not take: asked, and kept open when
// the learner neither saves elsewhere nor chooses to quit.
#include "WindowFixture.h"

#include <QDir>
#include <QFile>

namespace kelvaro {
namespace {

using UnwrittenAtCloseTest = WindowFixture;

TEST_F(UnwrittenAtCloseTest, TheCloseAsksAndACancelledFolderChoiceKeepsTheWindowOpen)
{
    const QString lessonFile = folder().path(QStringLiteral("Book/Kelvaro/1.dat"));
    ASSERT_EQ(state().LessonNumber, 1);
    ASSERT_TRUE(QFile::remove(lessonFile));
    ASSERT_TRUE(QDir().mkdir(lessonFile));
    controller().sentenceNoteLeft(1, QStringLiteral("kept note"));
    ASSERT_EQ(dialogs.countMentioning(lessonFile), 1);
    dialogs.clear();

    dialogs.setQuestionAnswer(false);
    window().close();
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages()[0].kind, FakeDialogs::Kind::Question);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QStringLiteral("Book/Kelvaro/1.dat（笔记）")));
    EXPECT_EQ(dialogs.messages()[1].kind, FakeDialogs::Kind::FolderRequest);

    dialogs.setQuestionAnswer(true);
    window().close();
    EXPECT_FALSE(window().isVisible());
}

} // namespace
} // namespace kelvaro
