#include "GenerationStamp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

TEST(GenerationStamp, KeyFollowsEverySourceFileAndTheGeneratorVersion)
{
    QTemporaryDir sources;
    ASSERT_TRUE(sources.isValid());
    writeFile(sources.filePath(QStringLiteral("words.txt")), "a | art. 一\n");
    writeFile(sources.filePath(QStringLiteral("lessons/01-a.txt")), "title: 第一课\n");
    const QByteArray key = generationKey(QStringLiteral("v1"), sources.path()).value();

    EXPECT_EQ(generationKey(QStringLiteral("v1"), sources.path()).value(), key);
    EXPECT_NE(generationKey(QStringLiteral("v2"), sources.path()).value(), key);
    writeFile(sources.filePath(QStringLiteral("lessons/01-a.txt")), "title: 第二课\n");
    EXPECT_NE(generationKey(QStringLiteral("v1"), sources.path()).value(), key);
    // Moving text from one file into another's name changes the key as well.
    writeFile(sources.filePath(QStringLiteral("lessons/01-a.txt")), "title: 第一课\n");
    EXPECT_EQ(generationKey(QStringLiteral("v1"), sources.path()).value(), key);
    writeFile(sources.filePath(QStringLiteral("lessons/02-b.txt")), "");
    EXPECT_NE(generationKey(QStringLiteral("v1"), sources.path()).value(), key);

    EXPECT_FALSE(
        generationKey(QStringLiteral("v1"), sources.filePath(QStringLiteral("none"))).ok());
}

TEST(GenerationStamp, UpToDateOnlyWithTheSameKeyAndEveryFileInPlace)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    EXPECT_FALSE(isUpToDate(out.path(), "key"));

    writeFile(out.filePath(QStringLiteral("Book/Kelvaro/1.dat")), "*");
    writeFile(out.filePath(QStringLiteral("Word/I/I'm.wav")), "RIFF");
    ASSERT_TRUE(
        writeStamp(out.path(), "key",
                   {QStringLiteral("Book/Kelvaro/1.dat"), QStringLiteral("Word/I/I'm.wav")}));
    EXPECT_TRUE(isUpToDate(out.path(), "key"));
    EXPECT_FALSE(isUpToDate(out.path(), "other key"));

    QFile::remove(out.filePath(QStringLiteral("Word/I/I'm.wav")));
    EXPECT_FALSE(isUpToDate(out.path(), "key"));
}

} // namespace
