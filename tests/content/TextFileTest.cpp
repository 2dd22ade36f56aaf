#include "content/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace kelvaro;

namespace {

const QByteArray kHeader = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
                           "\\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 ";
const QByteArray kTrailer = "\\par }";

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

QString fixture(const char* name)
{
    return QStringLiteral(KELVARO_TEST_DATA "/rtf/") + QLatin1String(name);
}

class TextFileTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QByteArray bytesOf(const QString& file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void writeBytes(const QString& file, const QByteArray& bytes) const
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TextFileTest, WrittenTextReadsBackExactly)
{
    QString loneSurrogates;
    loneSurrogates.append(QChar(0xD800)).append(u'x').append(QChar(0xDC00));
    const QString cases[] = {
        text(u""),
        text(u"a"),
        text(u" leading blank"),
        text(u"  two leading blanks and a trailing one "),
        text(u"$第一课$ Lesson One\r\n你好。"),
        text(u"◆ 价格 €5"),
        text(u"emoji 😀 and IPA ə ʃ ˈ, hangul 한국어, NBSP a\u00A0b, BOM \uFEFF"),
        text(u"back\\slash {braces} \\par not a word"),
        text(u"trail bytes that look like syntax: 昞亄亇"),
        text(u"line one\r\nline two"),
        text(u"ends with a line end\r\n"),
        text(u"\r\n"),
        text(u"\r\n\r\n"),
        text(u"lone LF\nand lone CR\rend"),
        text(u"\n"),
        text(u"\r"),
        text(u"\n\r"),
        text(u"\r\r\n\n"),
        text(u"tab\tx\t5\t 7\t"),
        text(u"\t"),
        text(u"ends with *"),
        text(u"ends with /"),
        text(u"digits after a line end\r\n123"),
        text(u"ə5 😀? ??"),
        text(u"controls \u0001\u001f\u007f"),
        QString::fromUtf16(u"nul \0 inside", 12),
        loneSurrogates,
    };
    for (const QString& original : cases) {
        const QString file = path(QStringLiteral("lesson.dat"));
        ASSERT_TRUE(writeTextFile(file, original).ok());
        const Result<QString> read = readTextFile(file);
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        EXPECT_EQ(*read, original) << original.toStdString();
        EXPECT_EQ(rtfToPlainText(plainTextToRtf(original)), original) << original.toStdString();
    }
}

TEST_F(TextFileTest, LongMixedTextReadsBackExactly)
{
    // Random mixes put every kind of character next to every other, across the points where
    // the writer switches between code page bytes and \u escapes.
    const QString pool = text(u"ab Z9\\{}*/?\t\r\n中文◆€é😀əʃˈ\u00A0한");
    for (quint32 seed = 1; seed <= 5; ++seed) {
        QRandomGenerator random(seed);
        QString original;
        for (int i = 0; i < 20000; ++i)
            original.append(pool.at(random.bounded(int(pool.size()))));
        EXPECT_EQ(rtfToPlainText(plainTextToRtf(original)), original) << "seed " << seed;
    }
}

TEST_F(TextFileTest, WrittenDocumentHasTheProgramsForm)
{
    const QString file = path(QStringLiteral("form.dat"));
    ASSERT_TRUE(writeTextFile(file, text(u"a")).ok());
    EXPECT_EQ(bytesOf(file), kHeader + "a" + kTrailer);

    ASSERT_TRUE(writeTextFile(file, text(u"中 {x}\\\r\nb\tc😀ə")).ok());
    EXPECT_EQ(bytesOf(file), kHeader +
                                 "\\'d6\\'d0 \\{x\\}\\\\\\par\r\n"
                                 "b\\tab c\\u-10179?\\u-8704?\\u601?" +
                                 kTrailer);

    ASSERT_TRUE(writeTextFile(file, QString()).ok());
    EXPECT_EQ(bytesOf(file), kHeader + kTrailer);
}

TEST_F(TextFileTest, PlainCodePageFileIsReadUnchanged)
{
    const QString file = path(QStringLiteral("plain.dat"));
    // "  第一课" and a line that looks like markup, CRLF line ends, a trailing line end.
    writeBytes(file, "  \xb5\xda\xd2\xbb\xbf\xce\r\n{Lesson} 1 *\r\n\xa1\xf4\x80\r\n");
    const Result<QString> read = readTextFile(file);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, text(u"  第一课\r\n{Lesson} 1 *\r\n◆€\r\n"));
}

TEST_F(TextFileTest, DocumentsOfOtherWritersGiveTheirPlainText)
{
    struct Case
    {
        const char* file;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"wordpad.rtf", u"$第一课$ Excuse me!\r\n请问，这是你的笔吗？\r\n  \tindented\r\n"
                        u"Plain English line {braces} and a back\\slash\r\n*"},
        {"richedit.rtf", u"Café 你好 world\r\n😀 smile 你好 and əʃˈ\r\n€€€"},
        {"wordprocessor.rtf",
         u"Lesson One:第一课\r\n\tThe “word” processor’s line—with nested groups and a "
         u"non\u00A0breaking space, an optional hyphen.\r\n"
         u"中文–•‘x’\r\na link.\r\nLast line ends with a slash/"},
    };
    for (const Case& c : cases) {
        const Result<QString> read = readTextFile(fixture(c.file));
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        EXPECT_EQ(*read, text(c.expected)) << c.file;
    }
}

TEST_F(TextFileTest, UnreadableFileIsAnErrorNamingIt)
{
    for (const QString& file : {path(QStringLiteral("missing.dat")), m_dir.path()}) {
        const Result<QString> read = readTextFile(file);
        ASSERT_FALSE(read.ok());
        EXPECT_TRUE(read.error().contains(file)) << read.error().toStdString();
    }
}

TEST_F(TextFileTest, FailedWriteNamesTheFileAndKeepsWhatWasThere)
{
    const QString folder = path(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString& file : {path(QStringLiteral("no such folder/lesson.dat")), folder}) {
        const Status status = writeTextFile(file, text(u"text"));
        ASSERT_FALSE(status.ok());
        EXPECT_TRUE(status.error().contains(file)) << status.error().toStdString();
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("no such folder"))));
}

TEST_F(TextFileTest, WriteThatRunsOutOfSpaceLeavesTheOldFile)
{
    // A file size limit makes the disk "full" even for root, who may write anywhere.
    const QString file = path(QStringLiteral("lesson.dat"));
    ASSERT_TRUE(writeTextFile(file, text(u"old lesson *")).ok());
    const QByteArray before = bytesOf(file);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status status = writeTextFile(file, QString(100000, QChar(u'中')));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_FALSE(status.ok());
    EXPECT_TRUE(status.error().contains(file)) << status.error().toStdString();
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("lesson.dat")}); // no temporary file left
}

TEST_F(TextFileTest, RewriteReplacesTheWholeFile)
{
    const QString file = path(QStringLiteral("lesson.dat"));
    ASSERT_TRUE(writeTextFile(file, QString(5000, QChar(u'x'))).ok());
    ASSERT_TRUE(writeTextFile(file, text(u"short")).ok());
    EXPECT_EQ(*readTextFile(file), text(u"short"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("lesson.dat")});
}

TEST_F(TextFileTest, FileExistsOnlyForRegularFiles)
{
    const QString file = path(QStringLiteral("书 1.dat"));
    writeBytes(file, "x");
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(path(QStringLiteral("missing.dat"))));
    EXPECT_FALSE(fileExists(m_dir.path()));
    EXPECT_FALSE(fileExists(QString()));
}
