// kelvaro-tool's audio parts: the segment command and the recording-length check.
#include "AudioTestFiles.h"
#include "SampleCompare.h"

#include "playback/SegmentRenderer.h"
#include "playback/WavFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "ToolProcess.h"

namespace kelvaro {
namespace {

ToolRun runTool(const QStringList& args)
{
    return runToolProcess(QStringLiteral(KELVARO_TOOL), args);
}

const QString kFolder = QStringLiteral(KELVARO_TEST_DATA "/folder");

TEST(SegmentCommand, WritesExactlyWhatThePlayerEmits)
{
    const test::ToneRecording recording{44100, 2, true, {0.0, 0.8, 1.7, 2.5}};
    const QString mp3 = test::mp3File(recording);
    if (mp3.isEmpty())
        GTEST_SKIP() << "lame is not installed: no test recordings";
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("sentence 2.wav"));
    const ToolRun run = runTool(
        {QStringLiteral("segment"), mp3, QStringLiteral("0.8"), QStringLiteral("1.7"), out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto written = readWav(out);
    ASSERT_TRUE(written.ok()) << written.error().toStdString();
    const qint64 from = framesAt(0.8, 44100);
    EXPECT_TRUE(test::sameFrames(written.value(), test::decodeWhole(mp3), from,
                                 framesAt(1.7, 44100) - from));
}

TEST(SegmentCommand, WithASpeedWritesWhatThePlayerPlaysAtThatSpeed)
{
    const test::ToneRecording recording{22050, 1, false, {0.0, 0.8, 1.7, 2.5}};
    const QString mp3 = test::mp3File(recording);
    if (mp3.isEmpty())
        GTEST_SKIP() << "lame is not installed: no test recordings";
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("slow.wav"));
    const ToolRun run =
        runTool({QStringLiteral("segment"), mp3, QStringLiteral("0.8"), QStringLiteral("1.7"), out,
                 QStringLiteral("--speed"), QStringLiteral("0.7")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto written = readWav(out);
    ASSERT_TRUE(written.ok()) << written.error().toStdString();
    const auto played = renderSegment(mp3, 0.8, 1.7, 0.7);
    ASSERT_TRUE(played.ok());
    EXPECT_EQ(written->samples, played->samples); // the very same code, sample for sample
    EXPECT_NEAR(double(written->frames()), 0.9 * 22050 / 0.7, 0.01 * 0.9 * 22050 / 0.7);

    for (const QString& speed :
         {QStringLiteral("0.4"), QStringLiteral("1.6"), QStringLiteral("slow"), QString()}) {
        QStringList args{QStringLiteral("segment"), mp3, QStringLiteral("0.8"),
                         QStringLiteral("1.7"),     out, QStringLiteral("--speed")};
        if (!speed.isEmpty())
            args << speed;
        EXPECT_EQ(runTool(args).exitCode, 2) << speed.toStdString();
    }
}

TEST(SegmentCommand, RefusesBadInputWithTheRightCode)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.wav"));
    const QString missing = dir.filePath(QStringLiteral("missing.mp3"));
    const QString recording = kFolder + QStringLiteral("/Sound/Kelvaro/1.mp3");
    struct Case
    {
        QStringList args;
        int exitCode;
        QString named; ///< the file the message must name
    };
    const Case cases[] = {
        {{recording, QStringLiteral("1")}, 2, {}},
        {{recording, QStringLiteral("one"), QStringLiteral("2"), out}, 2, {}},
        {{missing, QStringLiteral("0"), QStringLiteral("1"), out}, 1, missing},
        {{recording, QStringLiteral("0"), QStringLiteral("1"),
          dir.filePath(QStringLiteral("no/dir/x.wav"))},
         1,
         dir.filePath(QStringLiteral("no/dir/x.wav"))},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(QStringList{QStringLiteral("segment")} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

TEST(CheckCommand, ReportsASentenceThatEndsPastItsRecording)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    const PcmSound recording =
        test::decodeWhole(folder.path(QStringLiteral("Sound/Kelvaro/1.mp3")));
    const QString length =
        QString::number(double(recording.frames()) / recording.format.rate, 'f', 3);
    folder.writeBytes(
        QStringLiteral("Book/Kelvaro/2.dat"),
        QStringLiteral("*^Good $good$^morning$morning$^.^#x#3.1#5.5#a note##*").toLocal8Bit());
    const ToolRun run = runTool({QStringLiteral("check"), folder.root()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("error: ") + folder.path(QStringLiteral("Book/Kelvaro/2.dat")) +
        QStringLiteral(": sentence 1: End 5.5 lies past the end of its recording (%1 s)")
            .arg(length)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("1 errors"))) << run.out.toStdString();
}

TEST(CheckCommand, ReportsARecordingThatCannotBeDecoded)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    folder.writeBytes(QStringLiteral("Sound/Kelvaro/1.mp3"),
                      QByteArray("not audio at all\n").repeated(100));
    const ToolRun run = runTool({QStringLiteral("check"), folder.root()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(QStringLiteral("error: ") +
                                 folder.path(QStringLiteral("Sound/Kelvaro/1.mp3"))))
        << run.out.toStdString();
}

} // namespace
} // namespace kelvaro
