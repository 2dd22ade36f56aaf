#include "content/BookList.h"
#include "content/LessonFileText.h"
#include "content/OwnBooks.h"
#include "content/ResultsFile.h"
#include "content/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace kelvaro;

namespace {

const QString kBook = QStringLiteral("Talks");
const QString kSmall = QStringLiteral("Alone");

// Two own books: "Talks" with three lessons (first and third starred), "Alone" with one. Each
// lesson file and recording carries its lesson's name, so a test sees which lesson a number
// leads to after the files moved.
class OwnLessonEditsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(path(QStringLiteral("SETTING/BookList")));
        QDir().mkpath(path(QStringLiteral("SETTING/Results")));
        ASSERT_TRUE(writeTextFile(path(QStringLiteral("SETTING/BookList.dat")),
                                  bookListText({kBook, kSmall})));
        addBook(kBook, {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")},
                QStringLiteral("^★one^☆two^★three^"));
        addBook(kSmall, {QStringLiteral("solo")}, QStringLiteral("^☆solo^"));
    }

    void addBook(const QString& book, const QStringList& names, const QString& results)
    {
        ASSERT_TRUE(writeTextFile(folder.bookList(book), bookListText(names)));
        ASSERT_TRUE(writeTextFile(folder.results(book), results));
        for (int n = 1; n <= names.size(); ++n) {
            QDir().mkpath(QFileInfo(folder.lessonFile(book, n)).absolutePath());
            QDir().mkpath(QFileInfo(folder.ownLessonAudio(book, n)).absolutePath());
            ASSERT_TRUE(
                writeTextFile(folder.lessonFile(book, n), QStringLiteral("*") + names[n - 1]));
            QFile sound(folder.ownLessonAudio(book, n));
            ASSERT_TRUE(sound.open(QIODevice::WriteOnly));
            sound.write(names[n - 1].toUtf8());
        }
    }

    QString path(const QString& relative) const { return dir.path() + u'/' + relative; }
    QStringList lessons(const QString& book) const
    {
        auto names = loadBookList(folder.bookList(book));
        return names ? *names : QStringList{QStringLiteral("<unreadable>")};
    }
    QString results(const QString& book) const
    {
        auto text = readTextFile(folder.results(book));
        return text ? *text : QString();
    }
    // What lesson n's files hold: "lesson|recording", "-" for a missing file.
    QString lessonFiles(const QString& book, int n) const
    {
        auto text = readTextFile(folder.lessonFile(book, n));
        QFile sound(folder.ownLessonAudio(book, n));
        const QString audio = sound.open(QIODevice::ReadOnly) ? QString::fromUtf8(sound.readAll())
                                                              : QStringLiteral("-");
        return (text ? text->mid(1) : QStringLiteral("-")) + u'|' + audio;
    }
    // Everything the book is made of, to compare before and after a refusal.
    QString snapshot() const
    {
        QString all = readTextFile(folder.ownBookList()).value();
        for (const QString& book : {kBook, kSmall}) {
            all += lessons(book).join(u',') + results(book);
            for (int n = 1; n <= 4; ++n)
                all += lessonFiles(book, n);
        }
        return all;
    }
    // The results entries name the book list's lessons, one for one.
    void expectListAndResultsAgree(const QString& book)
    {
        QStringList titles;
        for (const ResultsEntry& entry : resultsEntries(results(book)))
            titles << entry.title;
        EXPECT_EQ(titles, lessons(book));
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
};

} // namespace

TEST_F(OwnLessonEditsTest, RemovingALessonMovesTheLaterOnesDown)
{
    struct Case
    {
        int number;
        QStringList names;
        QString results;
        QStringList files; // lessons 1..3 afterwards
    };
    const Case cases[] = {
        {1,
         {QStringLiteral("two"), QStringLiteral("three")},
         QStringLiteral("^☆two^★three^"),
         {QStringLiteral("two|two"), QStringLiteral("three|three"), QStringLiteral("-|-")}},
        {2,
         {QStringLiteral("one"), QStringLiteral("three")},
         QStringLiteral("^★one^★three^"),
         {QStringLiteral("one|one"), QStringLiteral("three|three"), QStringLiteral("-|-")}},
        {3,
         {QStringLiteral("one"), QStringLiteral("two")},
         QStringLiteral("^★one^☆two^"),
         {QStringLiteral("one|one"), QStringLiteral("two|two"), QStringLiteral("-|-")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        SetUp();
        ASSERT_TRUE(removeOwnLesson(folder, kBook, c.number)) << c.number;
        EXPECT_EQ(lessons(kBook), c.names);
        EXPECT_EQ(results(kBook), c.results);
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(lessonFiles(kBook, n), c.files[n - 1]) << n;
        expectListAndResultsAgree(kBook);
        EXPECT_EQ(loadOwnBooks(folder).value(), (QStringList{kBook, kSmall}));
    }
}

TEST_F(OwnLessonEditsTest, RemovingTheOnlyLessonRemovesTheBook)
{
    ASSERT_TRUE(removeOwnLesson(folder, kSmall, 1));
    EXPECT_EQ(loadOwnBooks(folder).value(), QStringList{kBook});
    EXPECT_FALSE(QFileInfo::exists(folder.bookList(kSmall)));
    EXPECT_FALSE(QFileInfo::exists(folder.results(kSmall)));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Book/Alone"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Sound/Alone"))));

    // A new book of that title starts again at lesson 1, with no stale results entry.
    EXPECT_EQ(nextLessonNumber(folder, kSmall).value(), 1);

    // The last own book leaves no list that cannot be read.
    for (int n = 3; n >= 1; --n)
        ASSERT_TRUE(removeOwnLesson(folder, kBook, n)) << n;
    const Result<QStringList> none = loadOwnBooks(folder);
    ASSERT_TRUE(none) << none.error().toStdString();
    EXPECT_TRUE(none->isEmpty());
}

TEST_F(OwnLessonEditsTest, RenamingKeepsTheStarWhereverTheEntryStands)
{
    struct Case
    {
        QString results;
        int number;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("^★one^☆two^★three^"), 1, QStringLiteral("^★New^☆two^★three^")},
        {QStringLiteral("^★one^☆two^★three^"), 3, QStringLiteral("^★one^☆two^★New^")},
        // An entry out of its place is found by its title.
        {QStringLiteral("^☆two^★one^"), 1, QStringLiteral("^☆two^★New^")},
        // A results file without the lesson stays as it is.
        {QStringLiteral("^☆two^"), 1, QStringLiteral("^☆two^")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.results.toStdString());
        ASSERT_TRUE(writeTextFile(folder.results(kBook), c.results));
        ASSERT_TRUE(writeTextFile(
            folder.bookList(kBook),
            bookListText({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")})));
        ASSERT_TRUE(renameOwnLesson(folder, kBook, c.number, QStringLiteral("New")));
        EXPECT_EQ(results(kBook), c.expected);
        EXPECT_EQ(lessons(kBook)[c.number - 1], QStringLiteral("New"));
    }
}

TEST_F(OwnLessonEditsTest, RefusalsChangeNothing)
{
    const QString before = snapshot();
    struct Case
    {
        const char* why;
        std::function<Status()> edit;
        QString mentions;
    };
    const Case cases[] = {
        {"bad name", [&] { return renameOwnLesson(folder, kBook, 1, QStringLiteral("a^b")); },
         QStringLiteral("a^b")},
        {"empty name", [&] { return renameOwnLesson(folder, kBook, 1, QStringLiteral(" ")); },
         QStringLiteral("课名")},
        {"no such lesson", [&] { return removeOwnLesson(folder, kBook, 4); },
         folder.bookList(kBook)},
        {"built-in book", [&] { return removeOwnLesson(folder, builtInBookName(), 1); },
         builtInBookName()},
        {"not an own book",
         [&] { return renameOwnLesson(folder, QStringLiteral("Nope"), 1, QStringLiteral("x")); },
         QStringLiteral("Nope")},
    };
    for (const Case& c : cases) {
        const Status s = c.edit();
        EXPECT_FALSE(s) << c.why;
        EXPECT_TRUE(s.error().contains(c.mentions)) << c.why << ": " << s.error().toStdString();
        EXPECT_EQ(snapshot(), before) << c.why;
    }
}

TEST_F(OwnLessonEditsTest, AFileInTheWayRefusesTheRemovalBeforeAnythingMoves)
{
    // A folder where lesson 2's recording should be: the moves could not finish.
    ASSERT_TRUE(QFile::remove(folder.ownLessonAudio(kBook, 2)));
    ASSERT_TRUE(QDir().mkpath(folder.ownLessonAudio(kBook, 2) + QStringLiteral("/x")));
    const QString before = snapshot();
    const Status s = removeOwnLesson(folder, kBook, 1);
    EXPECT_FALSE(s);
    EXPECT_TRUE(s.error().contains(folder.ownLessonAudio(kBook, 2))) << s.error().toStdString();
    EXPECT_EQ(snapshot(), before);
}

TEST_F(OwnLessonEditsTest, AReadOnlyFolderRefusesWithNothingHalfDone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    const QString sound = path(QStringLiteral("Sound/Talks"));
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadUser | QFileDevice::ExeUser;
    const QString before = snapshot();
    ASSERT_TRUE(QFile::setPermissions(sound, readOnly));
    const Status removed = removeOwnLesson(folder, kBook, 2);
    const Status renamed = [&] {
        QFile::setPermissions(path(QStringLiteral("SETTING/Results")), readOnly);
        return renameOwnLesson(folder, kBook, 1, QStringLiteral("New"));
    }();
    QFile::setPermissions(sound, readOnly | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    QFile::setPermissions(path(QStringLiteral("SETTING/Results")),
                          readOnly | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    EXPECT_FALSE(removed);
    EXPECT_TRUE(removed.error().contains(sound)) << removed.error().toStdString();
    EXPECT_FALSE(renamed);
    EXPECT_EQ(snapshot(), before);
}
