#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/LessonOpening.h"
#include "app/LibraryLoading.h"
#include "app/StartUp.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using namespace kelvaro;

namespace {

const QString kOwnBook = QStringLiteral("My Book");

// The fixture's built-in book and one book of the learner's own with two lessons; a second
// own book in the list has no lesson list.
class OwnBooksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList.dat"),
                                            QStringLiteral("^My Book^Lost Book^")));
        ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList/My Book.dat"),
                                            QStringLiteral("^Episode one^Episode two^")));
        for (int n = 1; n <= 2; ++n) {
            const QString record = lessonRecord(QStringLiteral("^Own $own$^lesson $lesson$^.^"),
                                                QStringLiteral("自己的第%1课").arg(n),
                                                QStringLiteral("0.5"), QStringLiteral("1.25"));
            ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("Book/My Book/%1.dat").arg(n),
                                                lessonText({record})));
        }
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    int ownNode(int lesson) { return nodeOfPlace(shell.state().library, 1, lesson); }

    ShellFixture shell;
};

} // namespace

TEST_F(OwnBooksTest, OwnBooksFollowTheBuiltInBookAndABookWithoutItsListIsNamed)
{
    ASSERT_TRUE(shell.startUp());
    ASSERT_EQ(state().library.size(), 2);
    EXPECT_EQ(state().library[0].title, builtInBookName());
    EXPECT_EQ(state().library[0].lessonNames, state().lessonNames);
    EXPECT_EQ(state().library[1].title, kOwnBook);
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_TRUE(shell.dialogs.messages().front().text.contains(QStringLiteral("Lost Book")));
    // The built-in book's nodes keep their numbers: node k + 1 is still its lesson k.
    EXPECT_EQ(ownNode(0), int(state().lessonNames.size()) + 2);
}

TEST_F(OwnBooksTest, AnOwnLessonNodeOpensThatLessonWithItsOwnRecording)
{
    ASSERT_TRUE(shell.startUp());
    shell.dialogs.clear();

    treeNodeClicked(context(), ownNode(2));
    EXPECT_EQ(state().BookName, kOwnBook);
    EXPECT_EQ(state().LessonNumber, 2);
    EXPECT_EQ(state().LessonNode, ownNode(2));
    EXPECT_EQ(state().LessonTitle, QStringLiteral("Episode two"));
    EXPECT_EQ(state().fields(1).chinese, QStringLiteral("自己的第2课"));
    EXPECT_TRUE(shell.lessonPlayer.file().endsWith(QStringLiteral("/Sound/My Book/2.mp3")))
        << shell.lessonPlayer.file().toStdString();
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());

    // The own book's node opens nothing; a built-in lesson opens as before.
    treeNodeClicked(context(), ownNode(0));
    EXPECT_EQ(state().LessonNumber, 2);
    treeNodeClicked(context(), 2);
    EXPECT_EQ(state().BookName, builtInBookName());
    EXPECT_EQ(state().LessonNumber, 1);
}

TEST_F(OwnBooksTest, TheRememberedNodeOfAnOwnLessonOpensItAtStartUp)
{
    // The fixture's built-in book, read by a start in a folder of its own, gives the node.
    ShellFixture probe;
    ASSERT_TRUE(probe.startUp());
    Settings settings = defaultSettings();
    settings.lessonNode = int(probe.state().lessonNames.size()) + 2 + 1; // own lesson 1
    ASSERT_TRUE(shell.writeSettings(settings));
    ASSERT_TRUE(shell.startUp());
    EXPECT_EQ(state().BookName, kOwnBook);
    EXPECT_EQ(state().LessonNumber, 1);
    EXPECT_EQ(state().LessonTitle, QStringLiteral("Episode one"));

    // A remembered node on the own book's own node opens its first lesson; one past the tree
    // its last lesson.
    EXPECT_EQ(nearestLessonNode(state().library, ownNode(0)), ownNode(1));
    EXPECT_EQ(nearestLessonNode(state().library, 10000), ownNode(2));
    EXPECT_EQ(nearestLessonNode(state().library, 0), 2);
}

// The settings keep only the node; a lesson added to an earlier own book (by the import, while
// the player was closed) moves every node after it.
TEST_F(OwnBooksTest, AnOwnLessonIsOpenedAgainAfterAnEarlierBookGainedALesson)
{
    ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList.dat"),
                                        QStringLiteral("^My Book^Second Book^")));
    ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList/Second Book.dat"),
                                        QStringLiteral("^Chapter one^Chapter two^")));
    for (int n = 1; n <= 2; ++n) {
        const QString record =
            lessonRecord(QStringLiteral("^Second $book$^.^"), QStringLiteral("第二本书"),
                         QStringLiteral("0.5"), QStringLiteral("1.25"));
        ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("Book/Second Book/%1.dat").arg(n),
                                            lessonText({record})));
    }
    ASSERT_TRUE(shell.startUp());
    treeNodeClicked(context(), nodeOfPlace(state().library, 2, 2));
    ASSERT_EQ(state().BookName, QStringLiteral("Second Book"));
    ASSERT_TRUE(shutDown(context()).ok());

    // My Book gains a third lesson: Second Book's nodes move down by one.
    ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList/My Book.dat"),
                                        QStringLiteral("^Episode one^Episode two^Episode three^")));
    shell.restart();
    ASSERT_TRUE(shell.startUp());
    EXPECT_EQ(state().BookName, QStringLiteral("Second Book"));
    EXPECT_EQ(state().LessonNumber, 2);
    EXPECT_EQ(state().LessonNode, nodeOfPlace(state().library, 2, 2));

    // Back in the built-in book, nothing of the own place is left to mislead the next start.
    treeNodeClicked(context(), 2);
    ASSERT_TRUE(shutDown(context()).ok());
    EXPECT_FALSE(QFileInfo::exists(state().folder.ownPlace()));
    shell.restart();
    ASSERT_TRUE(shell.startUp());
    EXPECT_EQ(state().BookName, builtInBookName());
    EXPECT_EQ(state().LessonNumber, 1);
}

// The settings were given another node since (by another copy of the program, or by hand): the
// node holds, not the own place.
TEST_F(OwnBooksTest, AnOwnPlaceThatDoesNotMatchTheSettingsIsIgnored)
{
    ASSERT_TRUE(shell.startUp());
    treeNodeClicked(context(), ownNode(2));
    ASSERT_TRUE(shutDown(context()).ok());
    Settings settings = state().options;
    settings.lessonNode = 3; // built-in lesson 2
    ASSERT_TRUE(shell.writeSettings(settings));
    shell.restart();
    ASSERT_TRUE(shell.startUp());
    EXPECT_EQ(state().BookName, builtInBookName());
    EXPECT_EQ(state().LessonNumber, 2);
}
