#include "content/FolderChoice.h"
#include "content/FolderCopy.h"
#include "content/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace kelvaro;

namespace {

/// Folders made of a few small files under one temporary folder.
class Places : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString at(const QString& relative) const { return m_dir.path() + '/' + relative; }

    void write(const QString& relative, const QByteArray& bytes)
    {
        const QString file = at(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }

    QByteArray read(const QString& relative) const
    {
        QFile in(at(relative));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    /// A program folder with a book list, a lesson and the settings, named as on Windows
    /// or with its folder names in lower case.
    void makeCourse(const QString& folder, bool lowerCase = false, const QByteArray& lesson = "*1*")
    {
        const QString setting = lowerCase ? QStringLiteral("setting") : QStringLiteral("SETTING");
        const QString list = lowerCase ? QStringLiteral("booklist") : QStringLiteral("BookList");
        const QString book =
            lowerCase ? QStringLiteral("book/kelvaro") : QStringLiteral("Book/Kelvaro");
        write(folder + '/' + setting + '/' + list + QStringLiteral("/Kelvaro.dat"), "a\r\nb");
        write(folder + '/' + setting + QStringLiteral("/Set.dat"), "1");
        write(folder + '/' + book + QStringLiteral("/1.dat"), lesson);
        ASSERT_TRUE(QDir().mkpath(
            at(folder + '/' + setting +
               (lowerCase ? QStringLiteral("/results") : QStringLiteral("/Results")))));
    }

    QTemporaryDir m_dir;
};

using FolderChoiceTest = Places;

} // namespace

TEST_F(FolderChoiceTest, ChoosesGivenThenExecutableThenDataFolder)
{
    makeCourse(QStringLiteral("given"));
    makeCourse(QStringLiteral("lower"), true);
    makeCourse(QStringLiteral("exe"));
    makeCourse(QStringLiteral("demo"));
    makeCourse(QStringLiteral("filled"));
    write(QStringLiteral("nolist/SETTING/Set.dat"), "1");
    ASSERT_TRUE(QDir().mkpath(at(QStringLiteral("bare"))));

    struct Case
    {
        const char* name;
        QString given, exe, data;
        QStringList demos;
        QString folder; ///< expected; empty when an error is expected
        FolderSource source;
        QString errorMentions;
    };
    const QStringList demos = {at(QStringLiteral("nodemo")), at(QStringLiteral("demo"))};
    const Case cases[] = {
        {"given wins over a course beside the program",
         at("given"),
         at("exe"),
         at("data"),
         demos,
         at("given"),
         FolderSource::Given,
         {}},
        {"given with lower-case folder names",
         at("lower"),
         {},
         at("data"),
         demos,
         at("lower"),
         FolderSource::Given,
         {}},
        {"given but missing",
         at("gone"),
         at("exe"),
         at("data"),
         demos,
         {},
         FolderSource::Given,
         QStringLiteral("不存在")},
        {"given without a book list",
         at("nolist"),
         at("exe"),
         at("data"),
         demos,
         {},
         FolderSource::Given,
         QStringLiteral("SETTING/BookList/Kelvaro.dat")},
        {"the executable's folder holds a course",
         {},
         at("exe"),
         at("data"),
         demos,
         at("exe"),
         FolderSource::Executable,
         {}},
        {"an installed program falls back to the data folder",
         {},
         at("bare"),
         at("data"),
         demos,
         at("data"),
         FolderSource::Data,
         {}},
        {"a data folder with a course is used as it is",
         {},
         at("bare"),
         at("filled"),
         {},
         at("filled"),
         FolderSource::Data,
         {}},
        {"no demo to copy",
         {},
         at("bare"),
         at("empty"),
         {at("nodemo")},
         {},
         FolderSource::Data,
         at("empty")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<FolderChoice> choice =
            chooseProgramFolder(FolderPlaces{c.given, c.exe, c.data, c.demos});
        if (c.folder.isEmpty()) {
            ASSERT_FALSE(choice);
            EXPECT_TRUE(choice.error().contains(c.errorMentions)) << choice.error().toStdString();
            if (!c.given.isEmpty()) {
                EXPECT_TRUE(choice.error().contains(c.given));
            }
            continue;
        }
        ASSERT_TRUE(choice) << choice.error().toStdString();
        EXPECT_EQ(choice->folder, c.folder);
        EXPECT_EQ(choice->source, c.source);
    }
    // The first start filled the data folder from the demo that holds a course.
    EXPECT_EQ(read(QStringLiteral("data/Book/Kelvaro/1.dat")), QByteArray("*1*"));
    EXPECT_TRUE(holdsContent(at(QStringLiteral("data"))));
}

TEST_F(FolderChoiceTest, ALaterStartKeepsTheLearnersDataFolderAsItIs)
{
    makeCourse(QStringLiteral("demo"), false, "*demo*");
    const FolderPlaces places{{}, {}, at(QStringLiteral("data")), {at(QStringLiteral("demo"))}};
    ASSERT_TRUE(chooseProgramFolder(places));
    write(QStringLiteral("data/Book/Kelvaro/1.dat"), "*with a note*");

    ASSERT_TRUE(chooseProgramFolder(places));
    EXPECT_EQ(read(QStringLiteral("data/Book/Kelvaro/1.dat")), QByteArray("*with a note*"));
}

TEST_F(FolderChoiceTest, ACopyCutShortIsCompletedWithoutOverwriting)
{
    makeCourse(QStringLiteral("demo"), false, "*demo*");
    write(QStringLiteral("demo/Sound/Kelvaro/1.mp3"), "mp3");
    // An earlier copy stopped after the lesson, which the learner has changed since.
    write(QStringLiteral("data/Book/Kelvaro/1.dat"), "*mine*");
    EXPECT_FALSE(holdsContent(at(QStringLiteral("data"))));

    ASSERT_TRUE(copyProgramFolder(at(QStringLiteral("demo")), at(QStringLiteral("data"))));
    EXPECT_EQ(read(QStringLiteral("data/Book/Kelvaro/1.dat")), QByteArray("*mine*"));
    EXPECT_EQ(read(QStringLiteral("data/Sound/Kelvaro/1.mp3")), QByteArray("mp3"));
    EXPECT_TRUE(holdsContent(at(QStringLiteral("data"))));
    EXPECT_FALSE(QFileInfo::exists(at(QStringLiteral("data/Sound/Kelvaro/1.mp3.part"))));
}

TEST_F(FolderChoiceTest, CopiesOfReadOnlyFilesCanBeWrittenByTheLearner)
{
    makeCourse(QStringLiteral("cd"));
    const QString lesson = at(QStringLiteral("cd/Book/Kelvaro/1.dat"));
    ASSERT_TRUE(QFile::setPermissions(lesson, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ReadOther));
    ASSERT_TRUE(copyProgramFolder(at(QStringLiteral("cd")), at(QStringLiteral("copy"))));
    EXPECT_TRUE(QFile::permissions(at(QStringLiteral("copy/Book/Kelvaro/1.dat"))) &
                QFileDevice::WriteOwner);
    EXPECT_TRUE(
        writeTextFile(at(QStringLiteral("copy/Book/Kelvaro/1.dat")), QStringLiteral("*2*")));
}

TEST_F(FolderChoiceTest, CopyOfAMissingFolderNamesIt)
{
    const Status copied = copyProgramFolder(at(QStringLiteral("gone")), at(QStringLiteral("copy")));
    ASSERT_FALSE(copied);
    EXPECT_TRUE(copied.error().contains(at(QStringLiteral("gone"))));
}

TEST_F(FolderChoiceTest, UnwritablePlacesAreTheFoldersTheProgramWritesInto)
{
    makeCourse(QStringLiteral("lower"), true);
    const ProgramFolder folder(at(QStringLiteral("lower")));
    QStringList asked;
    const auto onlyBookWritable = [&](const QString& place) {
        asked.append(place);
        return place.endsWith(QStringLiteral("/kelvaro"));
    };
    // Found in the letter case they have on disk.
    EXPECT_EQ(unwritablePlaces(folder, QStringLiteral("Kelvaro"), onlyBookWritable),
              (QStringList{at(QStringLiteral("lower/setting")),
                           at(QStringLiteral("lower/setting/results"))}));
    EXPECT_EQ(asked.size(), 3);
    EXPECT_TRUE(unwritablePlaces(folder, QStringLiteral("Kelvaro"), [](const QString&) {
                    return true;
                }).isEmpty());
}

TEST_F(FolderChoiceTest, TheRealCheckTriesTheFolder)
{
    makeCourse(QStringLiteral("course"));
    EXPECT_TRUE(isWritableFolder(at(QStringLiteral("course/SETTING"))));
    EXPECT_FALSE(isWritableFolder(at(QStringLiteral("course/missing"))));
    EXPECT_FALSE(isWritableFolder(at(QStringLiteral("course/SETTING/Set.dat"))));
    // The probe leaves nothing behind.
    EXPECT_EQ(QDir(at(QStringLiteral("course/SETTING"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Set.dat")});
}

TEST_F(FolderChoiceTest, TheRealCheckSeesAFolderWithoutWriteRights)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    makeCourse(QStringLiteral("course"));
    ASSERT_TRUE(QFile::setPermissions(at(QStringLiteral("course/SETTING")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(isWritableFolder(at(QStringLiteral("course/SETTING"))));
    QFile::setPermissions(at(QStringLiteral("course/SETTING")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FolderChoiceTest, CopiesOfTwoFoldersOfOneNameDoNotMeet)
{
    const QString data = at(QStringLiteral("data"));
    const QString first = at(QStringLiteral("cd1/Kelvaro"));
    const QString second = at(QStringLiteral("cd2/Kelvaro"));
    const QString copy = copyFolderFor(first, data);
    EXPECT_EQ(copy, data + QStringLiteral("/copies/Kelvaro"));
    ASSERT_TRUE(QDir().mkpath(copy));
    ASSERT_TRUE(markCopyOf(copy, first));

    EXPECT_EQ(copyFolderFor(first + '/', data), copy);
    EXPECT_EQ(copyFolderFor(second, data), data + QStringLiteral("/copies/Kelvaro-2"));
}

TEST_F(FolderChoiceTest, AFileStillToBeMadeGoesIntoTheFoldersThatAreThere)
{
    // A course copied from Windows with lower-case folders and no settings yet.
    ASSERT_TRUE(QDir().mkpath(at(QStringLiteral("course/setting/results"))));
    const ProgramFolder folder(at(QStringLiteral("course")));
    EXPECT_EQ(folder.settings(), at(QStringLiteral("course/setting/Set.dat")));
    EXPECT_EQ(folder.results(QStringLiteral("Kelvaro")),
              at(QStringLiteral("course/setting/results/Kelvaro.dat")));
    // Nothing of the path there: the name as written.
    EXPECT_EQ(folder.lessonFile(QStringLiteral("Kelvaro"), 1),
              at(QStringLiteral("course/Book/Kelvaro/1.dat")));
    EXPECT_TRUE(writeTextFile(folder.settings(), QStringLiteral("1")));
}
