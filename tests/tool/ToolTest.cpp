#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "ToolProcess.h"

using namespace kelvaro;

namespace {

ToolRun runTool(const QStringList& args, const QByteArray& input = {})
{
    return runToolProcess(QStringLiteral(KELVARO_TOOL), args, input);
}

QString fixture(const QString& relative)
{
    return QStringLiteral(KELVARO_TEST_DATA "/folder/") + relative;
}

QJsonObject json(const ToolRun& run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

TEST(Tool, LessonGivesTheModelAsJson)
{
    const ToolRun run =
        runTool({QStringLiteral("lesson"), fixture(QStringLiteral("Book/Kelvaro/1.dat"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject lesson = json(run);
    EXPECT_EQ(lesson[QStringLiteral("sentenceCount")].toInt(), 2);
    EXPECT_EQ(lesson[QStringLiteral("keyWordCount")].toInt(), 1);
    EXPECT_EQ(lesson[QStringLiteral("dictatedCount")].toInt(), 1);
    const QJsonObject second = lesson[QStringLiteral("sentences")].toArray()[1].toObject();
    EXPECT_EQ(second[QStringLiteral("english")].toString(),
              QStringLiteral("The books are walking."));
    EXPECT_EQ(second[QStringLiteral("chinese")].toString(), QStringLiteral("书在走路。"));
    EXPECT_EQ(second[QStringLiteral("start")].toString(), QStringLiteral("1.5"));
    EXPECT_EQ(second[QStringLiteral("note")].toString(), QStringLiteral("一个注释"));
    EXPECT_EQ(second[QStringLiteral("done")].toString(), QStringLiteral("1"));
    const QJsonArray segments = second[QStringLiteral("segments")].toArray();
    ASSERT_EQ(segments.size(), 5);
    EXPECT_EQ(segments[1].toObject()[QStringLiteral("word")].toString(), QStringLiteral("book"));
    EXPECT_TRUE(segments[1].toObject()[QStringLiteral("keyWord")].toBool());
    EXPECT_TRUE(segments[4].toObject()[QStringLiteral("word")].isNull());
}

TEST(Tool, LookupFollowsTheSuffixRulesAndReportsMisses)
{
    const ToolRun hit = runTool(
        {QStringLiteral("lookup"), fixture(QStringLiteral("lib.dll")), QStringLiteral("Walking")});
    ASSERT_EQ(hit.exitCode, 0) << hit.err.toStdString();
    EXPECT_EQ(json(hit)[QStringLiteral("headword")].toString(), QStringLiteral("walk"));
    EXPECT_EQ(json(hit)[QStringLiteral("pronunciation")].toString(), QStringLiteral("wɔ:k"));

    const ToolRun book = runTool(
        {QStringLiteral("lookup"), fixture(QStringLiteral("lib.dll")), QStringLiteral("book")});
    EXPECT_EQ(json(book)[QStringLiteral("meaning")].toString(), QStringLiteral("n. 书\r\nv. 预订"));

    const ToolRun miss = runTool(
        {QStringLiteral("lookup"), fixture(QStringLiteral("lib.dll")), QStringLiteral("WALKED")});
    EXPECT_EQ(miss.exitCode, 1);
    EXPECT_TRUE(miss.err.contains(QStringLiteral("lib.dll")));
    EXPECT_FALSE(json(miss)[QStringLiteral("found")].toBool());
    EXPECT_EQ(json(miss)[QStringLiteral("headword")].toString(), QStringLiteral("WALKED"));
    EXPECT_EQ(json(miss)[QStringLiteral("meaning")].toString(), QStringLiteral("<没找到!>"));
}

TEST(Tool, WriteThenTextGivesBackExactlyTheInput)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("note.dat"));
    const QByteArray input = QStringLiteral("*第一行\r\n◆ {x} \\ 😀 ə*\r\n").toUtf8();
    ASSERT_EQ(runTool({QStringLiteral("write"), file}, input).exitCode, 0);
    const ToolRun text = runTool({QStringLiteral("text"), file});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out.toUtf8(), input);
}

TEST(Tool, SettingsNamesTheValues)
{
    const ToolRun run =
        runTool({QStringLiteral("settings"), fixture(QStringLiteral("SETTING/Set.dat"))});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject s = json(run);
    EXPECT_EQ(s[QStringLiteral("lessonNode")].toInt(), 2);
    EXPECT_EQ(s[QStringLiteral("passMark")].toString(), QStringLiteral("80"));
    EXPECT_EQ(s[QStringLiteral("sentenceBrowse")].toObject()[QStringLiteral("pauseMs")].toInt(),
              1000);
    EXPECT_EQ(s[QStringLiteral("keyWordColour")].toInt(), 255);
    EXPECT_TRUE(s[QStringLiteral("fillInHintMeaning")].toBool());
}

TEST(Tool, ExitCodesForRefusedInputAndUsage)
{
    struct Case
    {
        QStringList args;
        int exitCode;
    };
    const Case cases[] = {
        {{}, 2},
        {{QStringLiteral("frobnicate")}, 2},
        {{QStringLiteral("text")}, 2},
        {{QStringLiteral("lookup"), QStringLiteral("x")}, 2},
        {{QStringLiteral("text"), QStringLiteral("/no/such/file.dat")}, 1},
        {{QStringLiteral("lesson"), fixture(QStringLiteral("SETTING/Set.dat"))}, 1},
        {{QStringLiteral("check"), QStringLiteral("/no/such/folder")}, 1},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    const ToolRun refused =
        runTool({QStringLiteral("lesson"), fixture(QStringLiteral("SETTING/Set.dat"))});
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Set.dat")));
}

TEST(Tool, CheckPassesACleanFolder)
{
    const ToolRun run = runTool({QStringLiteral("check"), fixture(QString())});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("2 lessons, 3 sentences; 0 errors, 0 warnings")))
        << run.out.toStdString();
}

TEST(Tool, CheckReportsEachFaultWithItsFile)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    folder.writeBytes(
        QStringLiteral("Book/Kelvaro/2.dat"),
        QStringLiteral("*^Good $good$^mornin$mornin$^.^#x#4.5#4#a note##*").toLocal8Bit());
    folder.writeBytes(QStringLiteral("SETTING/Results/Kelvaro.dat"),
                      QByteArray("^\xa1\xee\xb5\xda\xd2\xbb\xbf\xce^"));
    QFile::remove(folder.path(QStringLiteral("Sound/Kelvaro/1.mp3")));
    const ToolRun run = runTool({QStringLiteral("check"), folder.root()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(QStringLiteral("2.dat: sentence 1: Start 4.5 lies after End 4")))
        << run.out.toStdString();
    EXPECT_TRUE(
        run.out.contains(QStringLiteral("warning: ") + folder.path(QStringLiteral("lib.dll")) +
                         QStringLiteral(": \"mornin\" (lesson 2) is not in the dictionary")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("1.mp3: the recording of lesson 1 is missing")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("lesson \"第二课\" has no entry")));
}
