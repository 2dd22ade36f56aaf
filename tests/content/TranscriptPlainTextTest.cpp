#include "TranscriptCues.h"

#include "content/PlainTextReader.h"

using namespace kelvaro;

TEST(SplitSentences, EndsSentencesOnlyWhereTheyEnd)
{
    struct Case
    {
        const char* text;
        QStringList sentences;
    };
    const Case cases[] = {
        {"Mr. Smith went to Washington. He arrived at 3.5 p.m. sharp.",
         {"Mr. Smith went to Washington.", "He arrived at 3.5 p.m. sharp."}},
        {"J. K. Rowling wrote it. Dr. Who? No!", {"J. K. Rowling wrote it.", "Dr. Who?", "No!"}},
        {"He said \"Go.\" Then he left.", {"He said \"Go.\"", "Then he left."}},
        {"(See the map.) It is big.", {"(See the map.)", "It is big."}},
        {"I like fruit, e.g. Apples. And pears, etc. They are sweet.",
         {"I like fruit, e.g. Apples.", "And pears, etc.", "They are sweet."}},
        {"The U.S. Army is big. Wait... What?!", {"The U.S. Army is big.", "Wait...", "What?!"}},
        {"\"Really?\" she asked. St. Paul's is old.",
         {"\"Really?\" she asked.", "St. Paul's is old."}},
        {"Mrs. Brown and Ms. Green met Prof. White, i.e. The boss.",
         {"Mrs. Brown and Ms. Green met Prof. White, i.e. The boss."}},
        {"  No stop at the end  ", {"No stop at the end"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitSentences(QString::fromUtf8(c.text)), c.sentences) << c.text;
}

// Most lines are a sentence each (or short, like the title): every line is one cue, even one
// that holds two sentences, and the Chinese after it is its translation.
TEST(PlainTextTranscript, ReadsOneSentencePerLine)
{
    const auto cues = cuesOf(u"Lesson One\n"
                             u"第一课\n"
                             u"Hello,   how are you?\n"
                             u"你好，你好吗？\n"
                             u"I\u2019m fine. Thank you.\n"
                             u"\n"
                             u"我很好。谢谢。\n"
                             u"Good / 好\n"
                             u"And you?\n",
                             "a.txt");
    EXPECT_EQ(cues, (QList<TranscriptCue>{
                        cue(u"Lesson One", u"第一课", -1, -1, 1),
                        cue(u"Hello, how are you?", u"你好，你好吗？", -1, -1, 3),
                        cue(u"I'm fine. Thank you.", u"我很好。谢谢。", -1, -1, 5),
                        cue(u"Good", u"好", -1, -1, 8),
                        cue(u"And you?", u"", -1, -1, 9),
                    }));
}

// Wrapped paragraphs are joined and split at their stops; each sentence keeps the line it
// begins on, and a Chinese paragraph with as many sentences is paired with them.
TEST(PlainTextTranscript, SplitsWrappedParagraphsIntoSentences)
{
    const auto cues =
        cuesOf(u"Tom lives in a small town near the sea. Every morning he walks\n"
               u"to the harbour with his dog. Mr. Lee, the baker, says hello to\n"
               u"him. They talk about the weather and the boats for a few minutes\n"
               u"before he goes on.\n"
               u"汤姆住在海边的小镇上。每天早上他带着狗走到港口。面包师李先生向他问好。"
               u"他们聊几分钟天气和船，然后他继续走。\n"
               u"\n"
               u"The town is quiet in winter.\n"
               u"冬天小镇很安静。\n",
               "a.txt");
    EXPECT_EQ(
        cues,
        (QList<TranscriptCue>{
            cue(u"Tom lives in a small town near the sea.", u"汤姆住在海边的小镇上。", -1, -1, 1),
            cue(u"Every morning he walks to the harbour with his dog.",
                u"每天早上他带着狗走到港口。", -1, -1, 1),
            cue(u"Mr. Lee, the baker, says hello to him.", u"面包师李先生向他问好。", -1, -1, 2),
            cue(u"They talk about the weather and the boats for a few minutes before he "
                u"goes on.",
                u"他们聊几分钟天气和船，然后他继续走。", -1, -1, 3),
            cue(u"The town is quiet in winter.", u"冬天小镇很安静。", -1, -1, 7),
        }));
}

// A paragraph on each line ends with a stop too, but holds many sentences: it is split.
TEST(PlainTextTranscript, SplitsLinesThatAreWholeParagraphs)
{
    const auto cues = cuesOf(u"It was a cold day. The wind blew hard. Nobody went out.\n"
                             u"The next day was warm. Children played outside. Everyone smiled.\n"
                             u"这段没有对应的句子。\n",
                             "a.txt");
    ASSERT_EQ(cues.size(), 6);
    EXPECT_EQ(cues[2], cue(u"Nobody went out.", u"", -1, -1, 1));
    EXPECT_EQ(cues[3], cue(u"The next day was warm.", u"", -1, -1, 2));
    EXPECT_EQ(cues[5], cue(u"Everyone smiled.", u"", -1, -1, 2));
}

TEST(PlainTextTranscript, RefusesTextWithoutEnglish)
{
    for (const char16_t* text : {u"", u"\n \n", u"第一课\n你好。"})
        EXPECT_EQ(refusalOf(text, "a.txt"), QStringLiteral("文本文件 \"a.txt\"：没有找到英文句子"));
}
