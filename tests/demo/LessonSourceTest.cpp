#include "LessonSource.h"
#include "WordList.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

WordList smallWordList()
{
    Result<WordList> words = WordList::parse(QStringLiteral("good | adj. 好的\n"
                                                            "morning | n. 早晨\n"
                                                            "Tom | n. 汤姆\n"),
                                             QStringLiteral("words.txt"));
    EXPECT_TRUE(words.ok()) << words.error().toStdString();
    return words.ok() ? *words : WordList();
}

TEST(LessonSource, ReadsTitleSentencesAndNotes)
{
    const QString text = QStringLiteral("# greetings\n"
                                        "title: 第一课\n"
                                        "\n"
                                        "en: Good [morning], Tom.\n"
                                        "zh: 早上好，汤姆。\n"
                                        "note: 上午的问候。\n"
                                        "\n"
                                        "en: Good morning.\r\n"
                                        "zh: 早上好。\r\n");
    Result<SourceLesson> lesson =
        parseLessonSource(text, QStringLiteral("lessons/01-a.txt"), smallWordList());
    ASSERT_TRUE(lesson.ok()) << lesson.error().toStdString();
    EXPECT_EQ(lesson->title, QStringLiteral("第一课"));
    ASSERT_EQ(lesson->sentences.size(), 2);
    const SourceSentence& first = lesson->sentences[0];
    EXPECT_EQ(first.line, 4);
    EXPECT_EQ(displayText(first.segments), QStringLiteral("Good morning, Tom."));
    EXPECT_TRUE(first.segments[1].keyWord);
    EXPECT_EQ(first.chinese, QStringLiteral("早上好，汤姆。"));
    EXPECT_EQ(first.note, QStringLiteral("上午的问候。"));
    // Windows line ends in a source do not reach the lesson text.
    EXPECT_EQ(displayText(lesson->sentences[1].segments), QStringLiteral("Good morning."));
    EXPECT_EQ(lesson->sentences[1].chinese, QStringLiteral("早上好。"));
    EXPECT_TRUE(lesson->sentences[1].note.isEmpty());
}

struct SourceFault
{
    const char* text;
    const char* message;
};

class LessonSourceFaults : public ::testing::TestWithParam<SourceFault>
{
};

TEST_P(LessonSourceFaults, NameFileAndLine)
{
    Result<SourceLesson> lesson = parseLessonSource(
        QString::fromUtf8(GetParam().text), QStringLiteral("lessons/02-b.txt"), smallWordList());
    ASSERT_FALSE(lesson.ok());
    EXPECT_EQ(lesson.error().toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, LessonSourceFaults,
    ::testing::Values(
        SourceFault{"title: 第二课\nen: Good morning.\n\nen: Good.\nzh: 好。\n",
                    "lessons/02-b.txt:2: the sentence has no \"zh:\" line"},
        SourceFault{"title: 第二课\nzh: 好。\n",
                    "lessons/02-b.txt:2: \"zh:\" must follow an \"en:\" line\n"
                    "lessons/02-b.txt:1: the lesson has no sentence"},
        SourceFault{"title: 第二课\nen: Good.\nzh: 好。\nzh: 很好。\n",
                    "lessons/02-b.txt:4: the sentence already has a \"zh:\" line"},
        SourceFault{"title: 第二课\nen: Good.\nzh: 好。\nnote: 一\nnote: 二\n",
                    "lessons/02-b.txt:5: the sentence already has a \"note:\" line"},
        SourceFault{"title: 第二课\nen: Good mornin.\nzh: 好。\n",
                    "lessons/02-b.txt:2: column 6: \"mornin\" has no entry in words.txt (add it, "
                    "or write mornin{lemma})"},
        // "*" and "#" would cut the record; "◆" would count as a key word.
        SourceFault{"title: 第二课\nen: Good.\nzh: 好#的\n",
                    "lessons/02-b.txt:3: \"#\" may not stand in a lesson field"},
        SourceFault{"title: 第二课\nen: Good.\nzh: 好。\nnote: 重点*\n",
                    "lessons/02-b.txt:4: \"*\" may not stand in a lesson field"},
        SourceFault{"title: 第二课\nen: Good.\nzh: 好◆\n",
                    "lessons/02-b.txt:3: \"◆\" may not stand in a lesson field"},
        // The lesson file is plain code page 936.
        SourceFault{"title: 第二课\nen: Good.\nzh: 好 😀\n",
                    "lessons/02-b.txt:3: a character is missing from code page 936"},
        SourceFault{"title: 第二^课\nen: Good.\nzh: 好。\n",
                    "lessons/02-b.txt:1: a title may not contain \"^\""},
        SourceFault{"en: Good.\nzh: 好。\ntitle: 第二课\n",
                    "lessons/02-b.txt:3: \"title:\" comes once, before the sentences\n"
                    "lessons/02-b.txt:1: the lesson has no \"title:\""},
        SourceFault{"title: 第二课\nen: Good.\nzh:\n", "lessons/02-b.txt:3: \"zh:\" is empty"},
        SourceFault{"title: 第二课\nEN: Good.\n",
                    "lessons/02-b.txt:2: expected \"title:\", \"en:\", \"zh:\" or \"note:\"\n"
                    "lessons/02-b.txt:1: the lesson has no sentence"}));

TEST(WordList, FindsHeadwordsBeforeFormsAndFallsBackToLowerCaseAndPossessive)
{
    Result<WordList> words = WordList::parse(QStringLiteral("leave | v. 离开 | left\n"
                                                            "left | adv. 向左\n"
                                                            "May | n. 五月\n"
                                                            "child | n. 孩子 | children\n"
                                                            "Tom | n. 汤姆\n"),
                                             QStringLiteral("words.txt"));
    ASSERT_TRUE(words.ok()) << words.error().toStdString();
    const struct
    {
        const char* word;
        const char* lemma;
    } cases[] = {
        {"left", "left"},        // a headword wins over another entry's form
        {"Children", "child"},   // a form, found in lower case
        {"MAY", "May"},          // the headword as spelled in the list
        {"Tom's", "Tom"},        // possessive
        {"children's", "child"}, // possessive of a form
        {"leaves", ""},          // no suffix rules: only listed forms count
        {"s", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words->lemmaFor(QString::fromUtf8(c.word)).toStdString(), c.lemma) << c.word;
}

TEST(WordList, RefusesEntriesALookupCouldNotTellApart)
{
    Result<WordList> words = WordList::parse(QStringLiteral("# header\n"
                                                            "may | modal v. 可以\n"
                                                            "May | n. 五月\n"
                                                            "see | v. 看见 | saw\n"
                                                            "saw | n. 锯子 | Saw\n"
                                                            "two words | 两个词\n"
                                                            "cost | v. 花费 $5\n"
                                                            "nothing\n"
                                                            "blank |\n"),
                                             QStringLiteral("words.txt"));
    ASSERT_FALSE(words.ok());
    EXPECT_EQ(words.error().toStdString(),
              "words.txt:3: \"May\" repeats the headword of line 2\n"
              "words.txt:5: form \"Saw\" is also listed under \"see\" (line 4)\n"
              "words.txt:6: headword \"two words\" is not a word\n"
              "words.txt:7: the meaning may not contain \"$\"\n"
              "words.txt:8: expected \"headword | meaning | forms\"\n"
              "words.txt:9: \"blank\" has no meaning");
}

} // namespace
