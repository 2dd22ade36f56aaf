#include "TranscriptCues.h"

using namespace kelvaro;

TEST(LrcTranscript, ReadsEachStampForm)
{
    struct Case
    {
        const char16_t* stamp;
        qint64 ms;
    };
    const Case cases[] = {
        {u"[00:01.50]", 1500},    {u"[00:01.05]", 1050}, {u"[00:01.500]", 1500},
        {u"[00:01.007]", 1007},   {u"[00:01]", 1000},    {u"[1:02.03]", 62030},
        {u"[75:00.00]", 4500000}, {u"[00:01:50]", 1500}, {u" [00:01.5] ", 1500},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.stamp) + QStringLiteral("Hello there.");
        const auto read = readTranscript(text.toUtf8(), QStringLiteral("a.lrc"));
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        ASSERT_EQ(read->cues.size(), 1);
        EXPECT_EQ(read->cues[0].startMs, c.ms) << QString::fromUtf16(c.stamp).toStdString();
        EXPECT_EQ(read->cues[0].endMs, -1);
        EXPECT_EQ(read->cues[0].english, QStringLiteral("Hello there."));
    }
}

// Header tags are not cues, stamps come in any order, one line may carry several stamps,
// and a bare stamp ends the line before it without making a cue.
TEST(LrcTranscript, SortsStampsAndEndsEachCueAtTheNext)
{
    const auto cues = cuesOf(u"[ti:Lesson 1]\n"
                             u"[ar:Someone]\n"
                             u"[length: 01:10]\n"
                             u"[00:05.20][00:30.00]Good morning!\n"
                             u"[00:10.00]How are you?\n"
                             u"[00:14.25]\n"
                             u"[00:20.00]Fine,  thanks.\n"
                             u"[00:40.00]Bye.\n",
                             "lesson.lrc");
    EXPECT_EQ(cues, (QList<TranscriptCue>{
                        cue(u"Good morning!", u"", 5200, 10000, 4),
                        cue(u"How are you?", u"", 10000, 14250, 5),
                        cue(u"Fine, thanks.", u"", 20000, 30000, 7),
                        cue(u"Good morning!", u"", 30000, 40000, 4),
                        cue(u"Bye.", u"", 40000, -1, 8),
                    }));
}

TEST(LrcTranscript, OffsetMakesLyricsComeSooner)
{
    struct Case
    {
        const char16_t* text;
        qint64 first;
        qint64 second;
    };
    const Case cases[] = {
        {u"[offset:+500]\n[00:02.00]One.\n[00:04.00]Two.", 1500, 3500},
        {u"[offset:-250]\n[00:02.00]One.\n[00:04.00]Two.", 2250, 4250},
        {u"[00:02.00]One.\n[00:04.00]Two.\n[offset:500]", 1500, 3500},
        {u"[offset:+3000]\n[00:02.00]One.\n[00:04.00]Two.", 0, 1000}, // never before the start
    };
    for (const Case& c : cases) {
        const auto cues = cuesOf(c.text, "a.lrc");
        ASSERT_EQ(cues.size(), 2);
        EXPECT_EQ(cues[0].startMs, c.first);
        EXPECT_EQ(cues[0].endMs, c.second);
        EXPECT_EQ(cues[1].startMs, c.second);
    }
}

TEST(LrcTranscript, ReadsEachBilingualForm)
{
    struct Case
    {
        const char16_t* text;
        int secondLine;
    };
    const Case cases[] = {
        {u"[00:01.00]It's late. / 很晚了。\n[00:03.00]Let's go. / 走吧。", 2},
        {u"[00:01.00]It's late. | 很晚了。\n[00:03.00]Let's go.|走吧。", 2},
        {u"[00:01.00]It's late.\n[00:01.00]很晚了。\n[00:03.00]走吧。\n[00:03.00]Let's go.", 3},
        {u"[00:01.00]It's late.\n很晚了。\n[00:03.00]Let's go.\n走吧。", 3},
        {u"[00:01.00]It's late. 很晚了。\n[00:03.00]Let\u2019s go. 走吧。", 2},
        {u"[00:01.00]很晚了。 / It's late.\n[00:03.00]走吧。/Let's go.", 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cuesOf(c.text, "a.lrc"), (QList<TranscriptCue>{
                                               cue(u"It's late.", u"很晚了。", 1000, 3000, 1),
                                               cue(u"Let's go.", u"走吧。", 3000, -1, c.secondLine),
                                           }))
            << QString::fromUtf16(c.text).toStdString();
    }
}

// A Chinese line with a stamp of its own but no English ends the cue before it and is not
// a sentence; word timings inside a line are not text.
TEST(LrcTranscript, ChineseOnlyStampsAndWordTimings)
{
    const auto cues = cuesOf(u"[00:01.00]<00:01.00>Hello <00:01.50>big [00:01.80]world\n"
                             u"[00:02.00]旁白\n"
                             u"[00:03.00]Again.",
                             "a.lrc");
    EXPECT_EQ(cues, (QList<TranscriptCue>{cue(u"Hello big world", u"", 1000, 2000, 1),
                                          cue(u"Again.", u"", 3000, -1, 3)}));
}

TEST(LrcTranscript, RefusesWhatItCannotUse)
{
    struct Case
    {
        const char16_t* text;
        const char16_t* message;
    };
    const Case cases[] = {
        {u"Hello there.\nHow are you?", u"字幕文件 \"a.lrc\"：没有找到时间标签"},
        {u"[ti:Title]\n[00:01.00]\n[00:02.00]你好", u"字幕文件 \"a.lrc\"：没有找到英文句子"},
        {u"", u"字幕文件 \"a.lrc\"：没有找到时间标签"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(refusalOf(c.text, "a.lrc").startsWith(QString::fromUtf16(c.message)))
            << refusalOf(c.text, "a.lrc").toStdString();
}
