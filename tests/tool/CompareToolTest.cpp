// kelvaro-tool compare: the same analysis as the read-after panel's, printed and drawn.
#include "analysis/VoiceAnalysis.h"
#include "picture/PictureColours.h"
#include "playback/SegmentRenderer.h"
#include "playback/WavFile.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include "ToolProcess.h"

namespace kelvaro {
namespace {

ToolRun runTool(const QStringList& args)
{
    return runToolProcess(QStringLiteral(KELVARO_TOOL), args);
}

const QString kRecording = QStringLiteral(KELVARO_TEST_DATA "/voice/good-morning.mp3");
const QString kTake = QStringLiteral(KELVARO_TEST_DATA "/voice/good-morning-slow.wav");

// The lesson's reading of a sentence from a recording and a slower take of it in another voice.
class CompareTool : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // What the panel computes for the same two readings.
    static VoiceComparison inProcess()
    {
        const auto lesson = renderSegment(kRecording, 0.1, 2.2);
        const auto recorded = readWav(kTake);
        return compareVoices(
            analyseVoice(voiceSignal(lesson->samples, lesson->format.channels, lesson->format.rate),
                         VoiceReading::Lesson),
            analyseVoice(
                voiceSignal(recorded->samples, recorded->format.channels, recorded->format.rate)));
    }

    static QStringList args(const QStringList& options = {})
    {
        return QStringList{QStringLiteral("compare"), kRecording, QStringLiteral("0.1"),
                           QStringLiteral("2.2"), kTake} +
               options;
    }

    QTemporaryDir dir;
};

void expectSameFrames(const QJsonArray& printed, const std::vector<float>& values, const char* what)
{
    ASSERT_EQ(printed.size(), qsizetype(values.size())) << what;
    for (size_t i = 0; i < values.size(); ++i) {
        if (std::isfinite(values[i]))
            ASSERT_EQ(printed[qsizetype(i)].toDouble(), double(values[i])) << what << " " << i;
        else
            ASSERT_TRUE(printed[qsizetype(i)].isNull()) << what << " " << i;
    }
}

TEST_F(CompareTool, PrintsTheNumbersThePanelComputes)
{
    const VoiceComparison expected = inProcess();
    const ToolRun text = runTool(args());
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    for (const QString& line :
         {QStringLiteral("score: %1\n").arg(expected.score),
          QStringLiteral("advice: %1\n").arg(voiceAdviceText(expected.advice)),
          QStringLiteral("duration ratio: %1\n").arg(expected.durationRatio, 0, 'f', 3),
          QStringLiteral("pitch correlation: %1\n").arg(expected.pitchCorrelation, 0, 'f', 3),
          QStringLiteral("alignment cost: %1\n").arg(expected.alignmentCost, 0, 'f', 3),
          QStringLiteral("lesson: median %1 Hz").arg(expected.lesson.medianHz, 0, 'f', 1)})
        EXPECT_TRUE(text.out.contains(line)) << line.toStdString() << "\n"
                                             << text.out.toStdString();

    const ToolRun json = runTool(args({QStringLiteral("--json")}));
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(o[QStringLiteral("score")].toInt(), expected.score);
    EXPECT_EQ(o[QStringLiteral("adviceText")].toString(), voiceAdviceText(expected.advice));
    EXPECT_EQ(o[QStringLiteral("durationRatio")].toDouble(), expected.durationRatio);
    EXPECT_EQ(o[QStringLiteral("pitchCorrelation")].toDouble(), expected.pitchCorrelation);
    EXPECT_EQ(o[QStringLiteral("alignmentCost")].toDouble(), expected.alignmentCost);
    EXPECT_EQ(o[QStringLiteral("stressFrame")].toInt(), expected.stressFrame);
    const QJsonObject lesson = o[QStringLiteral("lesson")].toObject();
    const QJsonObject take = o[QStringLiteral("take")].toObject();
    EXPECT_EQ(lesson[QStringLiteral("speechBeginFrame")].toInt(), expected.lesson.speechBegin);
    EXPECT_EQ(take[QStringLiteral("speechEndFrame")].toInt(), expected.take.speechEnd);
    EXPECT_EQ(take[QStringLiteral("medianHz")].toDouble(), double(expected.take.medianHz));
    expectSameFrames(lesson[QStringLiteral("semitones")].toArray(), expected.lesson.semitones,
                     "lesson semitones");
    expectSameFrames(take[QStringLiteral("envelope")].toArray(), expected.take.envelope,
                     "take envelope");
    expectSameFrames(o[QStringLiteral("warpedTakeSemitones")].toArray(),
                     expected.warpedTakeSemitones, "warped take");
    const QJsonArray path = o[QStringLiteral("path")].toArray();
    ASSERT_EQ(path.size(), qsizetype(expected.path.size()));
    for (size_t i = 0; i < expected.path.size(); ++i) {
        const QJsonArray step = path[qsizetype(i)].toArray();
        ASSERT_EQ(std::make_pair(step[0].toInt(), step[1].toInt()), expected.path[i]) << i;
    }
}

TEST_F(CompareTool, DrawsThePictureIntoAPng)
{
    const QString png = dir.filePath(QStringLiteral("picture.png"));
    const ToolRun run = runTool(args({QStringLiteral("--png"), png}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("score: "))); // and still the report
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1200, 420));
    // Both readings' waveforms are drawn, each in its own colour.
    int lessonBlue = 0;
    int learnerOrange = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            lessonBlue += c == theme::kLessonVoice;
            learnerOrange += c == theme::kLearnerVoice;
        }
    EXPECT_GT(lessonBlue, 1000);
    EXPECT_GT(learnerOrange, 1000);
}

TEST_F(CompareTool, RefusesBadInputNamingTheFile)
{
    const QString missing = dir.filePath(QStringLiteral("missing.mp3"));
    const QString notWav = dir.filePath(QStringLiteral("notes.txt"));
    QFile text(notWav);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a wave file\n");
    text.close();
    const QString png = dir.filePath(QStringLiteral("no/such/dir/x.png"));
    struct Case
    {
        QStringList args;
        int exitCode;
        QString named; ///< the file or argument the message must name
    };
    const QString take = kTake;
    const QString start = QStringLiteral("0.1");
    const QString end = QStringLiteral("2.2");
    const Case cases[] = {
        {{kRecording, start, end}, 2, QStringLiteral("usage")},
        {{kRecording, end, start, take}, 2, QStringLiteral("START")},
        {{kRecording, start, start, take}, 2, QStringLiteral("START")},
        {{kRecording, QStringLiteral("x"), end, take}, 2, QStringLiteral("START")},
        {{kRecording, start, end, take, QStringLiteral("--frobnicate")},
         2,
         QStringLiteral("--frobnicate")},
        {{kRecording, start, end, take, QStringLiteral("--png")}, 2, QStringLiteral("--png")},
        {{missing, start, end, take}, 1, missing},
        {{kRecording, start, end, notWav}, 1, notWav},
        {{kRecording, start, end, dir.filePath(QStringLiteral("none.wav"))},
         1,
         dir.filePath(QStringLiteral("none.wav"))},
        {{kRecording, start, end, take, QStringLiteral("--png"), png}, 1, png},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(QStringList{QStringLiteral("compare")} + c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.named)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.args.join(u' ').toStdString();
    }
}

} // namespace
} // namespace kelvaro
