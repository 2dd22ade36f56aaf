// Paths under the program folder on a case-sensitive file system, for content copied from
// Windows where folder names may have any letter case.
#include "content/ProgramFolder.h"
#include "content/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class ProgramFolderTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    void makeFolder(const QString& relative) { ASSERT_TRUE(QDir(m_dir.path()).mkpath(relative)); }
    void makeFile(const QString& relative)
    {
        ASSERT_TRUE(writeTextFile(m_dir.filePath(relative), QStringLiteral("x")));
    }
    QString under(const QString& relative) const { return m_dir.filePath(relative); }
    QStringList entries(const QString& relative = QString()) const
    {
        QStringList names =
            QDir(under(relative)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        names.sort();
        return names;
    }

    QTemporaryDir m_dir;
};

TEST_F(ProgramFolderTest, ExistingPartsAreFoundInAnyLetterCase)
{
    makeFolder(QStringLiteral("setting/booklist"));
    makeFile(QStringLiteral("setting/booklist/Kelvaro.DAT"));
    const ProgramFolder folder(m_dir.path());
    EXPECT_EQ(folder.bookList(QStringLiteral("Kelvaro")),
              under(QStringLiteral("setting/booklist/Kelvaro.DAT")));
}

// A first write into a folder that differs only in case failed: the path named SETTING/,
// which does not exist.
TEST_F(ProgramFolderTest, FileNotYetThereGoesIntoTheFolderOfAnotherCase)
{
    makeFolder(QStringLiteral("setting/results"));
    const ProgramFolder folder(m_dir.path());

    const QString settings = folder.settings();
    EXPECT_EQ(settings, under(QStringLiteral("setting/Set.dat")));
    ASSERT_TRUE(writeTextFile(settings, QStringLiteral("1/")));

    const QString results = folder.results(QStringLiteral("Kelvaro"));
    EXPECT_EQ(results, under(QStringLiteral("setting/results/Kelvaro.dat")));
    ASSERT_TRUE(writeTextFile(results, QStringLiteral("r")));

    // No second, exact-case folder appears beside the learner's.
    EXPECT_EQ(entries(), QStringList{QStringLiteral("setting")});
    EXPECT_EQ(entries(QStringLiteral("setting")),
              (QStringList{QStringLiteral("Set.dat"), QStringLiteral("results")}));
    // Read back through the same path.
    EXPECT_EQ(readTextFile(folder.settings()).value(), QStringLiteral("1/"));
}

TEST_F(ProgramFolderTest, MissingPartsKeepTheirNamesAsWritten)
{
    const ProgramFolder folder(m_dir.path());
    EXPECT_EQ(folder.settings(), under(QStringLiteral("SETTING/Set.dat")));
    makeFolder(QStringLiteral("Setting"));
    EXPECT_EQ(folder.results(QStringLiteral("Kelvaro")),
              under(QStringLiteral("Setting/Results/Kelvaro.dat")));
    EXPECT_FALSE(QFileInfo::exists(under(QStringLiteral("Setting/Results"))));
}

} // namespace
