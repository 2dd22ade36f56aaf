#include "TranscriptCues.h"

#include "content/Cp936.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kelvaro;

TEST(TranscriptReader, ChoosesTheFormByExtensionThenByContent)
{
    struct Case
    {
        const char* text;
        const char* fileName;
        TranscriptKind kind;
    };
    const Case cases[] = {
        {"WEBVTT\n\n00:01.000 --> 00:02.000\nHi", "download", TranscriptKind::Vtt},
        {"\n1\n00:00:01,000 --> 00:00:02,000\nHi", "subtitles.txt", TranscriptKind::Srt},
        {"[ti:x]\n[00:01.00]Hi", "", TranscriptKind::Lrc},
        {"Meet me at 10:30. [Note: tea]\nBye.", "notes.txt", TranscriptKind::PlainText},
        {"[00:01.00]Hi", "A.SRT", TranscriptKind::Srt},
        {"1\n00:00:01,000 --> 00:00:02,000\nHi", "a.Lrc", TranscriptKind::Lrc},
        {"1\n00:00:01,000 --> 00:00:02,000\nHi", "a.vtt", TranscriptKind::Vtt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(transcriptKind(QString::fromUtf8(c.text), QString::fromUtf8(c.fileName)), c.kind)
            << c.fileName;
    const auto read = readTranscript("\n1\n00:00:01,000 --> 00:00:02,000\nHi", "subtitles.txt");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->kind, TranscriptKind::Srt);
}

TEST(TranscriptReader, ReadsAFileAndNamesItWhenItCannot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("课文.srt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        encodeCp936(QStringLiteral("1\r\n00:00:01,000 --> 00:00:02,000\r\nHello.\r\n你好。\r\n")));
    file.close();

    const auto read = readTranscriptFile(path);
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->cues, (QList<TranscriptCue>{cue(u"Hello.", u"你好。", 1000, 2000, 1)}));

    const QString missing = dir.filePath(QStringLiteral("missing.srt"));
    EXPECT_TRUE(readTranscriptFile(missing).error().startsWith(
        QStringLiteral("无法读取文件 \"%1\"").arg(missing)));
    EXPECT_TRUE(readTranscriptFile(dir.path())
                    .error()
                    .startsWith(QStringLiteral("无法读取文件 \"%1\"").arg(dir.path())));
}
