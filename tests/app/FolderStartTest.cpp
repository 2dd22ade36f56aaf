#include "FakeDialogs.h"
#include "TestFolder.h"

#include "app/FolderStart.h"
#include "content/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

/// A program folder that the fake check calls read-only, and a learner's data folder.
class FolderStartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(course.isValid());
        ASSERT_TRUE(data.isValid());
    }

    QString copyOfCourse() const
    {
        return data.path() + QStringLiteral("/copies/") + QDir(course.root()).dirName();
    }

    QString offer() { return offerWritableCopy(course.root(), data.path(), dialogs, readOnly); }

    TestFolder course;
    QTemporaryDir data;
    FakeDialogs dialogs;
    // Everything under the course is read-only, as on a mounted disc.
    WritableCheck readOnly = [this](const QString& place) {
        return !place.startsWith(course.root());
    };
};

} // namespace

TEST_F(FolderStartTest, AWritableFolderIsUsedWithoutAWord)
{
    EXPECT_EQ(
        offerWritableCopy(course.root(), data.path(), dialogs, [](const QString&) { return true; }),
        course.root());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(FolderStartTest, TakingTheOfferWorksOnACopyInTheDataFolder)
{
    dialogs.setQuestionAnswer(true);
    const QString folder = offer();

    EXPECT_EQ(folder, copyOfCourse());
    ASSERT_EQ(dialogs.messages().size(), 1);
    const FakeDialogs::Message& asked = dialogs.messages().front();
    EXPECT_EQ(asked.kind, FakeDialogs::Kind::Question);
    EXPECT_TRUE(asked.text.contains(course.root()));
    EXPECT_TRUE(asked.text.contains(copyOfCourse()));
    EXPECT_EQ(readTextFile(folder + QStringLiteral("/Book/Kelvaro/1.dat")).value(),
              course.readText(QStringLiteral("Book/Kelvaro/1.dat")));
    EXPECT_TRUE(holdsContent(folder));
    // The learner's changes go to the copy, never to the original.
    ASSERT_TRUE(writeTextFile(folder + QStringLiteral("/SETTING/Set.dat"), QStringLiteral("mine")));
    EXPECT_NE(course.readText(QStringLiteral("SETTING/Set.dat")), QStringLiteral("mine"));

    // The next start from the same folder goes on with that copy, as the learner left it.
    dialogs.clear();
    EXPECT_EQ(offer(), copyOfCourse());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().text.contains(QStringLiteral("以前的副本")));
    EXPECT_EQ(readTextFile(folder + QStringLiteral("/SETTING/Set.dat")).value(),
              QStringLiteral("mine"));
}

TEST_F(FolderStartTest, DecliningKeepsTheFolderAndMakesNoCopy)
{
    dialogs.setQuestionAnswer(false);
    EXPECT_EQ(offer(), course.root());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(
        dialogs.messages().front().text.contains(course.root() + QStringLiteral("/SETTING\n")));
    EXPECT_FALSE(QDir(data.path() + QStringLiteral("/copies")).exists());
}

TEST_F(FolderStartTest, AReadOnlyDataFolderIsReportedWithoutAnOffer)
{
    dialogs.setQuestionAnswer(true);
    EXPECT_EQ(offerWritableCopy(course.root(), QFileInfo(course.root()).path(), dialogs, readOnly),
              course.root());
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().front().kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(dialogs.messages().front().text.contains(course.root()));
}

TEST_F(FolderStartTest, ACopyThatCannotBeMadeIsReportedAndTheFolderKept)
{
    dialogs.setQuestionAnswer(true);
    // The data folder's place is taken by a file.
    const QString blocked = data.path() + QStringLiteral("/blocked");
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    EXPECT_EQ(offerWritableCopy(course.root(), blocked, dialogs, readOnly), course.root());
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.messages().back().kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(dialogs.messages().back().text.contains(course.root()));
    EXPECT_TRUE(dialogs.messages().back().text.contains(blocked));
}

TEST_F(FolderStartTest, SettlingAGivenFolderThatLacksTheBookListNamesBoth)
{
    ASSERT_TRUE(course.remove(QStringLiteral("SETTING/BookList/Kelvaro.dat")));
    const Result<QString> folder =
        settleProgramFolder(FolderPlaces{course.root(), {}, data.path(), {}}, dialogs, readOnly);
    ASSERT_FALSE(folder);
    EXPECT_TRUE(folder.error().contains(course.root()));
    EXPECT_TRUE(folder.error().contains(QStringLiteral("BookList/Kelvaro.dat")));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}
