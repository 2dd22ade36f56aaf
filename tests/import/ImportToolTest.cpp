#include "ImportFixtures.h"
#include "SpokenFixture.h"
#include "TestFolder.h"
#include "ToolProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kelvaro;
using namespace kelvaro::test;

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

TEST(ImportTool, AlignsAPlainTextAndRefinesATimedTranscript)
{
    TestFolder folder;
    QTemporaryDir work;
    ASSERT_TRUE(folder.isValid() && work.isValid());
    FixturePlan plan;
    plan.pausesMs = {600, 1200};
    const SpokenFixture spoken =
        spokenFixture({QStringLiteral("Good morning, Lily!"),
                       QStringLiteral("Where is the nearest bank, please?"),
                       QStringLiteral("Go straight on and turn left at the second corner.")},
                      plan);
    ASSERT_TRUE(spoken.ok);
    PcmSound sound;
    sound.format = AudioFormat{kSpokenRate, 1};
    for (float s : spoken.samples)
        sound.samples.push_back(qint16(std::clamp(s, -1.0f, 1.0f) * 32767));
    const QString wav = work.filePath(QStringLiteral("talk.wav"));
    ASSERT_TRUE(writeTestWav(wav, sound));
    const QString txt = work.filePath(QStringLiteral("talk.txt"));
    ASSERT_TRUE(writeFile(txt, "Good morning, Lily!\n早上好，莉莉！\nWhere is the nearest bank, "
                               "please?\nGo straight on and turn left at the second corner.\n"));
    // Each cue half a second or more off its speech.
    auto cue = [](int n, qint64 from, qint64 to, const char* text) {
        auto clock = [](qint64 ms) {
            return QStringLiteral("00:00:%1,%2")
                .arg(ms / 1000, 2, 10, QLatin1Char('0'))
                .arg(ms % 1000, 3, 10, QLatin1Char('0'));
        };
        return QStringLiteral("%1\n%2 --> %3\n%4\n\n").arg(n).arg(clock(from), clock(to), text);
    };
    QString srtText;
    const char* texts[] = {"Good morning, Lily!", "Where is the nearest bank, please?",
                           "Go straight on and turn left at the second corner."};
    for (int k = 0; k < 3; ++k)
        srtText += cue(k + 1, std::max<qint64>(0, spoken.speechMs[size_t(k)].first - 600),
                       spoken.speechMs[size_t(k)].second - 500, texts[k]);
    const QString srt = work.filePath(QStringLiteral("talk.srt"));
    ASSERT_TRUE(writeFile(srt, srtText.toUtf8()));

    struct Case
    {
        const char* what;
        QString transcript;
        QStringList options;
    };
    const std::vector<Case> cases = {
        {"plain text", txt, {QStringLiteral("--progress")}},
        {"timed, --align", srt, {QStringLiteral("--align")}},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(
            QStringList{QStringLiteral("import"), QStringLiteral("--folder"), folder.root(),
                        QStringLiteral("--book"), QStringLiteral("Own"), QStringLiteral("--json")}
            << c.options << wav << c.transcript);
        ASSERT_EQ(run.exitCode, 0) << c.what << ": " << run.err.toStdString();
        const QJsonArray sentences = QJsonDocument::fromJson(run.out.toUtf8())
                                         .object()[QStringLiteral("sentences")]
                                         .toArray();
        ASSERT_EQ(sentences.size(), 3) << c.what;
        for (int k = 0; k < 3; ++k) {
            const QJsonObject s = sentences[k].toObject();
            const qint64 start = qRound64(s[QStringLiteral("start")].toDouble() * 1000);
            const qint64 end = qRound64(s[QStringLiteral("end")].toDouble() * 1000);
            const auto [speechStart, speechEnd] = spoken.speechMs[size_t(k)];
            EXPECT_LE(start, speechStart) << c.what << " " << k;
            EXPECT_GE(end, speechEnd) << c.what << " " << k;
            if (k > 0)
                EXPECT_GE(start, spoken.speechMs[size_t(k - 1)].second) << c.what << " " << k;
            if (k < 2)
                EXPECT_LE(end, spoken.speechMs[size_t(k + 1)].first) << c.what << " " << k;
            EXPECT_TRUE(s[QStringLiteral("confidence")].isDouble()) << c.what;
        }
        EXPECT_EQ(sentences[0].toObject()[QStringLiteral("chinese")].toString(),
                  c.transcript == txt ? QStringLiteral("早上好，莉莉！") : QString());
        if (c.options.contains(QStringLiteral("--progress"))) {
            QList<int> percents;
            for (const QString& line : run.err.split(u'\n', Qt::SkipEmptyParts))
                percents << line.section(u' ', 1).toInt();
            EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << c.what;
            EXPECT_EQ(percents.back(), 100) << c.what;
            EXPECT_GE(percents.size(), 50) << c.what;
        }
    }
}

} // namespace
