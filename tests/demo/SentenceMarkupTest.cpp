#include "SentenceMarkup.h"

#include "content/Lesson.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

WordList testWords()
{
    const QString text = QStringLiteral("# a comment\n"
                                        "good | adj. 好的\n"
                                        "morning | n. 早晨\n"
                                        "be | v. 是 | is are was\n"
                                        "go | v. 去 | went going\n"
                                        "left | adv. 向左\n"
                                        "leave | v. 离开\n"
                                        "I | pron. 我\n"
                                        "I'm | 我是\n"
                                        "Tom | n. 汤姆\n"
                                        "T-shirt | n. T恤衫\n"
                                        "say | v. 说 | said\n"
                                        "it | pron. 它\n"
                                        "at | prep. 在\n"
                                        "three | num. 三\n");
    Result<WordList> words = WordList::parse(text, QStringLiteral("words.txt"));
    EXPECT_TRUE(words.ok()) << words.error().toStdString();
    return words.ok() ? *words : WordList();
}

struct SegmentCase
{
    const char* source;
    const char* field; // the English field of the lesson file
};

class SentenceSegments : public ::testing::TestWithParam<SegmentCase>
{
};

TEST_P(SentenceSegments, GiveTheFieldThePlayerReadsBack)
{
    const WordList words = testWords();
    const QString source = QString::fromUtf8(GetParam().source);
    Result<QVector<SentenceSegment>> segments = segmentSentence(source, words);
    ASSERT_TRUE(segments.ok()) << segments.error().toStdString();
    const QString field = englishField(*segments);
    EXPECT_EQ(field.toStdString(), GetParam().field);

    // The player's own reading of the record shows the sentence without the source markup.
    QString shown = source;
    shown.remove(QRegularExpression(QStringLiteral("[\\[\\]]|\\{[^}]*\\}")));
    const QString record = field + QStringLiteral("#中#0#1#note##");
    EXPECT_EQ(englishDisplayText(record), shown);
    EXPECT_EQ(displayText(*segments), shown);
    const QVector<Segment> read = recordSegments(record);
    ASSERT_EQ(read.size(), segments->size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].isWord, (*segments)[i].isWord());
        EXPECT_EQ(read[i].word, (*segments)[i].lemma);
        EXPECT_EQ(read[i].keyWord, (*segments)[i].keyWord);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, SentenceSegments,
    ::testing::Values(
        // The blank after a word is the word's; punctuation with its blank is its own segment.
        SegmentCase{"Good morning.", "^Good $good$^morning$morning$^.^"},
        SegmentCase{"Good morning, Tom.", "^Good $good$^morning$morning$^, ^Tom$Tom$^.^"},
        // Sentence-initial capitals find the lower-case headword; forms find their headword.
        SegmentCase{"Tom went.", "^Tom $Tom$^went$go$^.^"},
        SegmentCase{"Is it?", "^Is $be$^it$it$^?^"},
        // Contractions stay one word; a possessive falls back to its noun.
        SegmentCase{"I'm Tom's.", "^I'm $I'm$^Tom's$Tom$^.^"},
        SegmentCase{"T-shirt", "^T-shirt$T-shirt$^"},
        // Key words carry the mark right after the closing "$".
        SegmentCase{"[Good] [morning]!", "^Good $good$◆^morning$morning$◆^!^"},
        // A given lemma overrides the headword that shares the spelling.
        SegmentCase{"I left{leave}.", "^I $I$^left$leave$^.^"},
        SegmentCase{"I [left{leave}] it.", "^I $I$^left $leave$◆^it$it$^.^"},
        // Quotes, digits and spacing between words stay outside the words.
        SegmentCase{"\"Good,\" Tom said.", "^\"^Good$good$^,\" ^Tom $Tom$^said$say$^.^"},
        SegmentCase{"At 3:30 - three.", "^At $at$^3:30 - ^three$three$^.^"}));

struct FaultCase
{
    const char* source;
    const char* message;
};

class SentenceFaults : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(SentenceFaults, NameTheColumnAndTheFault)
{
    Result<QVector<SentenceSegment>> segments =
        segmentSentence(QString::fromUtf8(GetParam().source), testWords());
    ASSERT_FALSE(segments.ok());
    EXPECT_EQ(segments.error().toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, SentenceFaults,
    ::testing::Values(
        FaultCase{
            "Good mornin.",
            "column 6: \"mornin\" has no entry in words.txt (add it, or write mornin{lemma})"},
        FaultCase{"Good{bad} morning.", "column 6: \"bad\" is not a headword of words.txt"},
        FaultCase{"Good [morning.", "column 14: a key word must end with \"]\""},
        FaultCase{"[ Good", "column 1: \"[\" must be followed by a word"},
        FaultCase{"Good{good morning", "column 5: \"{\" without \"}\""},
        FaultCase{"Good  morning", "column 6: two blanks in a row"},
        FaultCase{"Good morning ", "the sentence begins or ends with a blank"},
        FaultCase{"Good morning！", "column 13: \"！\" is not plain English text"},
        FaultCase{"Good # morning", "column 6: \"#\" is out of place"},
        FaultCase{"Good ^morning", "column 6: \"^\" is out of place"},
        FaultCase{"", "the sentence is empty"}));

} // namespace
