#include "ImportFixtures.h"
#include "TestFolder.h"
#include "ToolProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

ToolRun runTool(const QStringList& args)
{
    return runToolProcess(QStringLiteral(KELVARO_TOOL), args);
}

TEST(ImportTool, PrintsTheLessonAndItsProgressAndRefusesAlignment)
{
    TestFolder folder;
    QTemporaryDir work;
    ASSERT_TRUE(folder.isValid() && work.isValid());
    const QString wav = work.filePath(QStringLiteral("talk.wav"));
    ASSERT_TRUE(writeTestWav(wav, toneRecording(22050, 1, 2500, {{300, 1100}})));
    const QString srt = work.filePath(QStringLiteral("talk.srt"));
    ASSERT_TRUE(writeFile(srt, "1\n00:00:00,300 --> 00:00:01,150\nGood morning.\n早上好。\n"));

    const ToolRun run = runTool({QStringLiteral("import"), QStringLiteral("--folder"),
                                 folder.root(), QStringLiteral("--book"), QStringLiteral("Own"),
                                 QStringLiteral("--name"), QStringLiteral("第一课"),
                                 QStringLiteral("--json"), QStringLiteral("--progress"), wav, srt});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject lesson = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(lesson[QStringLiteral("book")].toString(), QStringLiteral("Own"));
    EXPECT_EQ(lesson[QStringLiteral("lesson")].toInt(), 1);
    EXPECT_EQ(lesson[QStringLiteral("name")].toString(), QStringLiteral("第一课"));
    EXPECT_TRUE(lesson[QStringLiteral("recording")].toString().endsWith(u"Sound/Own/1.mp3"));
    const QJsonObject sentence = lesson[QStringLiteral("sentences")].toArray()[0].toObject();
    EXPECT_EQ(sentence[QStringLiteral("english")].toString(), QStringLiteral("Good morning."));
    EXPECT_EQ(sentence[QStringLiteral("chinese")].toString(), QStringLiteral("早上好。"));
    EXPECT_DOUBLE_EQ(sentence[QStringLiteral("start")].toDouble(), 0.3);
    EXPECT_DOUBLE_EQ(sentence[QStringLiteral("end")].toDouble(), 1.15);
    EXPECT_TRUE(sentence[QStringLiteral("confidence")].isNull());
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("progress "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("progress 100\n"))) << run.err.toStdString();

    const ToolRun plain =
        runTool({QStringLiteral("import"), QStringLiteral("--folder"), folder.root(),
                 QStringLiteral("--book"), QStringLiteral("Own"), wav, srt});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, QStringLiteral("2\n"));

    const QByteArray before = folderDigest(folder.root());
    const ToolRun align = runTool({QStringLiteral("import"), QStringLiteral("--folder"),
                                   folder.root(), QStringLiteral("--book"), QStringLiteral("Own"),
                                   QStringLiteral("--align"), wav, srt});
    EXPECT_EQ(align.exitCode, 1);
    EXPECT_TRUE(align.err.contains(QStringLiteral("对齐")));
    const ToolRun usage = runTool(
        {QStringLiteral("import"), QStringLiteral("--book"), QStringLiteral("Own"), wav, srt});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_EQ(folderDigest(folder.root()), before);
}

} // namespace
