#include "TranscriptCues.h"

using namespace kelvaro;

TEST(SrtTranscript, ReadsCuesWithTheirLinesAndTimes)
{
    const auto cues = cuesOf(u"1\n"
                             u"00:00:01,000 --> 00:00:03,250\n"
                             u"Where is the\n"
                             u"station?\n"
                             u"车站在哪里？\n"
                             u"\n"
                             u"2\n"
                             u"01:02:03.4 --> 01:02:05.067\n"
                             u"Go straight on.\n"
                             u"一直往前走。\n"
                             u"\n"
                             u"\n"
                             u"01:02:09,000-->01:02:10,000   X1:10 X2:20\n"
                             u"Thanks!\n",
                             "a.srt");
    EXPECT_EQ(cues, (QList<TranscriptCue>{
                        cue(u"Where is the station?", u"车站在哪里？", 1000, 3250, 1),
                        cue(u"Go straight on.", u"一直往前走。", 3723400, 3725067, 7),
                        cue(u"Thanks!", u"", 3729000, 3730000, 13),
                    }));
}

TEST(SrtTranscript, StripsMarkupLabelsAndSoundDescriptions)
{
    struct Case
    {
        const char16_t* text;
        const char16_t* english;
        const char16_t* chinese;
    };
    const Case cases[] = {
        {u"<i>Hello</i>  <b>there</b>", u"Hello there", u""},
        {u"<font color=\"#ffff00\">Hi</font>", u"Hi", u""},
        {u"{\\an8}Up here", u"Up here", u""},
        {u"Tom &amp; Jerry &lt;3 &quot;hi&quot; &#39;x&#39; &#x41;&nbsp;b",
         u"Tom & Jerry <3 \"hi\" 'x' A b", u""},
        {u"&lt;i&gt; is a tag", u"<i> is a tag", u""},
        {u"x < y and y > z", u"x < y and y > z", u""},
        {u"I <ruby>read<rp>(</rp><rt>red</rt><rp>)</rp></ruby> it.", u"I read it.", u""},
        {u"JOHN: Hello.", u"Hello.", u""},
        {u"- Hi.\n- Hello.", u"Hi. Hello.", u""},
        {u"[MUSIC] Here we go.", u"Here we go.", u""},
        {u"(laughs) That's funny. (sighs)", u"That's funny.", u""},
        {u"- MR. SMITH: (whispering) Come here.", u"Come here.", u""},
        {u"\u266A La la la \u266A", u"La la la", u""},
        {u"\u201CIt\u2019s mine,\u201D he said.", u"\"It's mine,\" he said.", u""},
        {u"A: How are you?\nB: 我很好。", u"How are you?", u"我很好。"},
        {u"Note: bring a pen.", u"Note: bring a pen.", u""},
        {u"-5 degrees today.", u"-5 degrees today.", u""},
        {u"Good night.\n晚安。\n（笑）", u"Good night.", u"晚安。"},
    };
    for (const Case& c : cases) {
        const QString srt = QStringLiteral("1\n00:00:01,000 --> 00:00:02,000\n") +
                            QString::fromUtf16(c.text) + QStringLiteral("\n");
        const auto read = readTranscript(srt.toUtf8(), QStringLiteral("a.srt"));
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        ASSERT_EQ(read->cues.size(), 1) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(read->cues[0].english, QString::fromUtf16(c.english));
        EXPECT_EQ(read->cues[0].chinese, QString::fromUtf16(c.chinese));
    }
}

// A cue left without English is dropped, one with the very times of the one before is its
// translation, and an end running into the next cue is clipped to its start.
TEST(SrtTranscript, DropsMergesAndClipsCues)
{
    const auto cues = cuesOf(u"1\n00:00:01,000 --> 00:00:02,000\n[MUSIC]\n\n"
                             u"2\n00:00:02,000 --> 00:00:05,000\nI'm home.\n\n"
                             u"3\n00:00:02,000 --> 00:00:05,000\n我回来了。\n\n"
                             u"4\n00:00:04,500 --> 00:00:06,000\nWelcome back.\n",
                             "a.srt");
    EXPECT_EQ(cues, (QList<TranscriptCue>{
                        cue(u"I'm home.", u"我回来了。", 2000, 4500, 5),
                        cue(u"Welcome back.", u"", 4500, 6000, 13),
                    }));
}

// Hand-made files: a missing blank line between cues, a blank line inside a cue's text and a
// number that is text, not a cue number.
TEST(SrtTranscript, ToleratesSloppyLayout)
{
    const auto cues = cuesOf(u"1\n00:00:01,000 --> 00:00:02,000\nFirst line\n"
                             u"2\n00:00:02,000 --> 00:00:03,000\nSecond\n\ncontinues here.\n"
                             u"3\n00:00:03,000 --> 00:00:04,000\n1984\n",
                             "a.srt");
    EXPECT_EQ(cues, (QList<TranscriptCue>{
                        cue(u"First line", u"", 1000, 2000, 1),
                        cue(u"Second continues here.", u"", 2000, 3000, 4),
                        cue(u"1984", u"", 3000, 4000, 9),
                    }));
}

TEST(VttTranscript, SkipsHeaderAndBlocksAndReadsCues)
{
    const auto cues = cuesOf(u"WEBVTT - Lesson 1\n"
                             u"Kind: captions\n"
                             u"\n"
                             u"REGION\n"
                             u"id:fred\n"
                             u"width:40%\n"
                             u"\n"
                             u"NOTE This is a note\n"
                             u"spanning two lines\n"
                             u"\n"
                             u"STYLE\n"
                             u"::cue { color: yellow }\n"
                             u"\n"
                             u"intro\n"
                             u"00:01.000 --> 00:04.000 align:start position:10%\n"
                             u"<v Mary>Hello, <c.loud>everyone</c>.</v>\n"
                             u"\n"
                             u"00:00:04.000 --> 00:00:06.500\n"
                             u"<00:00:04.000>Nice <00:00:05.000>to meet you.\n"
                             u"很高兴认识你。\n",
                             "a.vtt");
    EXPECT_EQ(cues, (QList<TranscriptCue>{
                        cue(u"Hello, everyone.", u"", 1000, 4000, 14),
                        cue(u"Nice to meet you.", u"很高兴认识你。", 4000, 6500, 18),
                    }));
}

TEST(SubtitleTranscript, RefusesWhatItCannotUse)
{
    struct Case
    {
        const char* fileName;
        const char16_t* text;
        const char16_t* message;
    };
    const Case cases[] = {
        {"a.srt",
         u"1\n00:00:05,000 --> 00:00:06,000\nLater.\n\n2\n00:00:01,000 --> 00:00:02,000\nSooner.\n",
         u"字幕文件 \"a.srt\" 第 6 行：时间倒退了"},
        {"a.vtt", u"WEBVTT\n\n00:05.000 --> 00:04.000\nBackwards.\n",
         u"字幕文件 \"a.vtt\" 第 3 行：结束时间早于开始时间"},
        {"a.srt", u"1\n00:00:01,000 --> soon\nWhen?\n",
         u"字幕文件 \"a.srt\" 第 2 行：看不懂这一行的时间"},
        {"a.srt", u"Hello.\n\nWorld.\n", u"字幕文件 \"a.srt\"：没有找到时间"},
        {"a.vtt", u"WEBVTT\n\nNOTE nothing here\n", u"字幕文件 \"a.vtt\"：没有找到时间"},
        {"a.srt",
         u"1\n00:00:01,000 --> 00:00:02,000\n[MUSIC]\n\n2\n00:00:02,000 --> 00:00:03,000\n你好\n",
         u"字幕文件 \"a.srt\"：没有找到英文句子"},
    };
    for (const Case& c : cases) {
        const QString message = refusalOf(c.text, c.fileName);
        EXPECT_TRUE(message.startsWith(QString::fromUtf16(c.message))) << message.toStdString();
    }
}
