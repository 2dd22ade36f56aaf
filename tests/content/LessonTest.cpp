#include "content/Lesson.h"
#include "content/LessonEdits.h"
#include "content/TextRules.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <iterator>

using namespace kelvaro;

namespace {

// Two sentences: "Good morning." with a key word, and "Hi" with a note, a Done flag and a tail.
const QString kTwoSentences = QStringLiteral("*^Good $good$^morning$morning$◆^.^#早上好。#0#1.5###"
                                             "*^Hi$hi$^#你好#1.5#2.25#a note#1#extra#tail*");

Lesson parsed(const QString& text)
{
    auto lesson = parseLesson(text, QStringLiteral("1.dat"));
    EXPECT_TRUE(lesson.ok()) << lesson.error().toStdString();
    return lesson.ok() ? lesson.value() : Lesson{};
}

} // namespace

TEST(ParseLesson, CutsRecordsAndCounts)
{
    const Lesson lesson = parsed(kTwoSentences);
    ASSERT_EQ(lesson.sentenceCount, 2);
    EXPECT_EQ(lesson.records[0],
              QStringLiteral("^Good $good$^morning$morning$◆^.^#早上好。#0#1.5###"));
    EXPECT_EQ(lesson.keyWordCount, 1);
    EXPECT_EQ(lesson.dictatedCount, 1);
    EXPECT_EQ(englishDisplayText(lesson.records[0]), QStringLiteral("Good morning."));
    EXPECT_EQ(recordField(lesson.records[1], 2), QStringLiteral("你好"));
    EXPECT_EQ(recordField(lesson.records[1], 4), QStringLiteral("2.25"));
    EXPECT_EQ(recordField(lesson.records[1], 5), QStringLiteral("a note"));
    EXPECT_EQ(recordTail(lesson.records[1]), QStringLiteral("#extra#tail"));
}

// The fields are read once with the lesson; times read as leadingNumber reads them, with the
// stored text kept beside them, and only the text "1" is done.
TEST(ParseLesson, ReadsEachRecordsFieldsOnce)
{
    const Lesson lesson = parsed(kTwoSentences);
    ASSERT_EQ(lesson.sentences.size(), 2);
    const SentenceFields& hi = lesson.sentences[1];
    EXPECT_EQ(hi.chinese, QStringLiteral("你好"));
    EXPECT_EQ(hi.start, 1.5);
    EXPECT_EQ(hi.end, 2.25);
    EXPECT_EQ(hi.note, QStringLiteral("a note"));
    EXPECT_TRUE(hi.done);
    EXPECT_FALSE(lesson.sentences[0].done);

    struct Case
    {
        const char* start;
        const char* done;
        double seconds;
        bool dictated;
    };
    const Case cases[] = {
        {"12.5abc", "1", 12.5, true}, {"", "", 0, false},      {" 3", " 1", 3, false},
        {"-1.5", "1.0", -1.5, false}, {"1e1", "x", 10, false}, {"abc", "11", 0, false},
        {".5", "1", 0.5, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        const QString record = QStringLiteral("^Hi$hi$^#x#%1#%1#n#%2#")
                                   .arg(QString::fromLatin1(c.start), QString::fromLatin1(c.done));
        const SentenceFields fields = sentenceFields(record);
        EXPECT_EQ(fields.start, leadingNumber(recordField(record, 3)));
        EXPECT_EQ(fields.start, c.seconds);
        EXPECT_EQ(fields.end, c.seconds);
        EXPECT_EQ(fields.doneText, QString::fromLatin1(c.done));
        EXPECT_EQ(fields.done, c.dictated);
        EXPECT_EQ(fields.done, isDictated(record));
    }
}

// A rewritten record's fields follow it; the others stay as they were.
TEST(ParseLesson, ReplacingARecordRereadsOnlyItsFields)
{
    Lesson lesson = parsed(kTwoSentences);
    const auto rewritten =
        rewriteRecordTail(lesson.records[0], QStringLiteral("new"), QStringLiteral("1"));
    ASSERT_TRUE(rewritten);
    replaceRecord(lesson, 0, *rewritten);
    EXPECT_EQ(lesson.records[0], *rewritten);
    EXPECT_EQ(lesson.sentences[0].note, QStringLiteral("new"));
    EXPECT_TRUE(lesson.sentences[0].done);
    EXPECT_EQ(lesson.sentences[0].end, 1.5);
    EXPECT_EQ(lesson.sentences[1].note, QStringLiteral("a note"));

    replaceRecords(lesson, {clearDoneField(lesson.records[1])});
    ASSERT_EQ(lesson.sentences.size(), 1);
    EXPECT_FALSE(lesson.sentences[0].done);
    EXPECT_TRUE(lesson.sentences[0].doneText.isEmpty());
}

TEST(ParseLesson, SingleStarIsALessonWithoutSentences)
{
    const Lesson lesson = parsed(QStringLiteral("*"));
    EXPECT_EQ(lesson.sentenceCount, 0);
    EXPECT_EQ(lesson.keyWordCount, 0);
}

TEST(ParseLesson, ToleratesLineBreaksAfterTheFinalStar)
{
    const Lesson lesson = parsed(kTwoSentences + QStringLiteral("\r\n \n"));
    EXPECT_EQ(lesson.sentenceCount, 2);
    EXPECT_TRUE(lesson.text.endsWith(u'*'));
}

TEST(ParseLesson, CountsKeyWordMarksAnywhereAndOnlyExactDoneFlags)
{
    const Lesson lesson = parsed(QStringLiteral(
        "*^Hi$hi$^#中文◆#0#1#note◆#1#*^Hi$hi$^#x#0#1##0#*^Hi$hi$^#x#0#1## 1#*^Hi$hi$^#x#0#1###*"));
    EXPECT_EQ(lesson.keyWordCount, 2);
    EXPECT_EQ(lesson.dictatedCount, 1);
}

TEST(ParseLesson, RefusesMalformedTextNamingFileAndSentence)
{
    struct Case
    {
        const char* name;
        QString text;
        const char* expectedPart;
    };
    const Case cases[] = {
        {"empty", QString(), "是空的"},
        {"no leading star", QStringLiteral("^Hi$hi$^#x#0#1###*"), "以“*”开头"},
        {"no final star", QStringLiteral("*^Hi$hi$^#x#0#1###"), "以“*”结尾"},
        {"two stars in a row", QStringLiteral("*^Hi$hi$^#x#0#1###**"), "第 2 句"},
        {"five hashes", QStringLiteral("*^Hi$hi$^#x#0#1###*^Hi$hi$^#x#0#1##*"),
         "第 2 句：只有 5 个“#”"},
        {"english without carets", QStringLiteral("*Hi#x#0#1###*"), "“^”"},
        {"english of one caret", QStringLiteral("*^#x#0#1###*"), "“^”"},
        {"one dollar", QStringLiteral("*^Hi$hi^#x#0#1###*"), "第 1 个词有 1 个“$”"},
        {"three dollars", QStringLiteral("*^A ^Hi$hi$$^#x#0#1###*"), "第 2 个词有 3 个“$”"},
    };
    for (const Case& c : cases) {
        const auto lesson = parseLesson(c.text, QStringLiteral("/p/Book/Kelvaro/3.dat"));
        ASSERT_FALSE(lesson.ok()) << c.name;
        EXPECT_TRUE(lesson.error().contains(QStringLiteral("/p/Book/Kelvaro/3.dat"))) << c.name;
        EXPECT_TRUE(lesson.error().contains(QString::fromUtf8(c.expectedPart)))
            << c.name << ": " << lesson.error().toStdString();
    }
}

TEST(RecordSegments, GiveDisplayWordAndKeyWordState)
{
    const auto segments = recordSegments(u"^Good $good$^morning$morning$◆^.^#早上好。#0#1.5###");
    ASSERT_EQ(segments.size(), 3);
    EXPECT_EQ(segments[0].display, QStringLiteral("Good "));
    EXPECT_EQ(segments[0].word, QStringLiteral("good"));
    EXPECT_FALSE(segments[0].keyWord);
    EXPECT_TRUE(segments[1].keyWord);
    EXPECT_FALSE(segments[2].isWord);
    EXPECT_EQ(segments[2].display, QStringLiteral("."));
    EXPECT_EQ(segments[1].caretPos, 12);
}

namespace {

/// The segment rule read step by step: each segment from a "^" to the next one within the
/// English field; its display part ends at the first "$", its word at the second, and a key-word
/// mark anywhere after the second "$" marks it.
QVector<Segment> segmentsByRule(QStringView record)
{
    const qsizetype hash = record.indexOf(u'#');
    const QStringView english = hash < 0 ? record : record.left(hash);
    QVector<Segment> segments;
    for (qsizetype open = english.indexOf(u'^'); open >= 0;) {
        const qsizetype close = english.indexOf(u'^', open + 1);
        if (close < 0)
            break;
        const QStringView body = english.mid(open + 1, close - open - 1);
        Segment segment;
        segment.caretPos = open;
        const qsizetype d1 = body.indexOf(u'$');
        segment.isWord = d1 >= 0;
        segment.display = (d1 < 0 ? body : body.left(d1)).toString();
        const qsizetype d2 = d1 < 0 ? -1 : body.indexOf(u'$', d1 + 1);
        if (d2 >= 0) {
            segment.word = body.mid(d1 + 1, d2 - d1 - 1).toString();
            segment.keyWord = body.indexOf(kKeyWordMark, d2 + 1) >= 0;
        }
        segments.append(segment);
        open = close;
    }
    return segments;
}

void expectSegmentsByRule(const QString& record)
{
    SCOPED_TRACE(record.toStdString());
    const QVector<Segment> expected = segmentsByRule(record);
    const QVector<Segment> segments = recordSegments(record);
    const QVector<SegmentView> views = recordSegmentViews(record);
    ASSERT_EQ(segments.size(), expected.size());
    ASSERT_EQ(views.size(), expected.size());
    QString shown;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(segments[i].display, expected[i].display);
        EXPECT_EQ(segments[i].word, expected[i].word);
        EXPECT_EQ(segments[i].isWord, expected[i].isWord);
        EXPECT_EQ(segments[i].keyWord, expected[i].keyWord);
        EXPECT_EQ(segments[i].caretPos, expected[i].caretPos);
        EXPECT_EQ(views[i].display, expected[i].display);
        EXPECT_EQ(views[i].word, expected[i].word);
        EXPECT_EQ(views[i].isWord, expected[i].isWord);
        EXPECT_EQ(views[i].keyWord, expected[i].keyWord);
        EXPECT_EQ(views[i].caretPos, expected[i].caretPos);
        shown += expected[i].display;
    }
    EXPECT_EQ(englishDisplayText(record), shown);
}

} // namespace

TEST(RecordSegments, FollowTheSegmentRuleAtItsEdges)
{
    for (const char16_t* record : {
             u"",
             u"no carets#x#0#1###",
             u"^open only",
             u"lead^a^b^trail#x",
             u"^^^",              // empty segments
             u"^a$b$c$d◆^",       // a third "$" is part of the rest
             u"^a◆$b$^^c$◆d$^",   // a mark before the second "$" marks nothing
             u"^a$b◆^",           // one "$": a word segment without a word
             u"^a$b$◆x◆^.^#◆$^#", // "#" ends the English field
             u"^a$b$^c$d$#^",     // a segment cut by "#" is no segment
             u"^Good $good$^morning$morning$◆^.^#早上好。#0#1.5###",
         })
        expectSegmentsByRule(QString::fromUtf16(record));
}

TEST(RecordSegments, AgreeWithTheSegmentRuleOnAnyMarkup)
{
    // Fixed seed: a failing record shows up again.
    const char16_t alphabet[] = {u'^', u'$', u'#', u'a', u' ', u'.', 0x25C6};
    QRandomGenerator random(936);
    for (int i = 0; i < 5000; ++i) {
        QString record;
        for (int length = random.bounded(0, 24); length > 0; --length)
            record += QChar(alphabet[random.bounded(int(std::size(alphabet)))]);
        expectSegmentsByRule(record);
    }
}

TEST(LessonEdits, MarkingAndUnmarkingAKeyWordIsExactlyOneCharacter)
{
    const QString record = QStringLiteral("^Good $good$^morning$morning$^.^#早上好。#0#1.5###");
    const auto marked = toggleKeyWordMark(record, 2, true);
    ASSERT_TRUE(marked);
    EXPECT_EQ(*marked, QStringLiteral("^Good $good$^morning$morning$◆^.^#早上好。#0#1.5###"));
    const auto unmarked = toggleKeyWordMark(*marked, 2, false);
    ASSERT_TRUE(unmarked);
    EXPECT_EQ(*unmarked, record);
    EXPECT_EQ(*toggleKeyWordMark(*unmarked, 2, true), *marked);
    // Never touch a punctuation segment or a word that has no mark to remove.
    EXPECT_FALSE(toggleKeyWordMark(record, 3, true));
    EXPECT_FALSE(toggleKeyWordMark(record, 1, false));
    EXPECT_FALSE(toggleKeyWordMark(record, 9, true));
}

TEST(LessonEdits, TailRewriteReplacesOnlyNoteAndDone)
{
    const QString record = QStringLiteral("^Hi$hi$◆^#你好#1.5#2.25#old note##extra#tail");
    EXPECT_EQ(*rewriteRecordTail(record, QStringLiteral("  new note"), QStringLiteral("1")),
              QStringLiteral("^Hi$hi$◆^#你好#1.5#2.25#  new note#1#extra#tail"));
    EXPECT_EQ(clearDoneField(QStringLiteral("^Hi$hi$^#x#0#1#n#1#t")),
              QStringLiteral("^Hi$hi$^#x#0#1#n##t"));
    EXPECT_FALSE(rewriteRecordTail(QStringLiteral("^Hi$hi$^#x#0"), QString(), QString()));
}

TEST(LessonEdits, NoteWithRecordMarkersCannotBreakTheLesson)
{
    const QString record = QStringLiteral("^Hi$hi$^#你好#0#1###");
    const QString note = QStringLiteral("see *page 3* #2");
    const QString text = buildLessonText({*rewriteRecordTail(record, note, QString()), record});
    const auto lesson = parseLesson(text, QStringLiteral("1.dat"));
    ASSERT_TRUE(lesson.ok()) << lesson.error().toStdString();
    EXPECT_EQ(lesson->sentenceCount, 2);
    EXPECT_EQ(recordField(lesson->records[0], 5), QStringLiteral("see ＊page 3＊ ＃2"));
    EXPECT_EQ(safeNoteText(QStringLiteral("two\r\nlines\nand\rmore")),
              QStringLiteral("two lines and more"));
}

TEST(LessonEdits, RebuildGivesBackTheSameRecords)
{
    const Lesson lesson = parsed(kTwoSentences);
    EXPECT_EQ(buildLessonText(lesson.records), kTwoSentences);
    EXPECT_EQ(buildLessonText({}), QStringLiteral("*"));
}
