#include "DemoBook.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// The sample book as shipped: catches authoring mistakes before the generator runs.
class ShippedContent : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        Result<DemoBook> loaded = loadDemoBook(QStringLiteral(KELVARO_DEMO_SOURCES));
        ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
        s_book = new DemoBook(std::move(loaded).value());
    }
    static void TearDownTestSuite()
    {
        delete s_book;
        s_book = nullptr;
    }
    static DemoBook* s_book;
};

DemoBook* ShippedContent::s_book = nullptr;

TEST_F(ShippedContent, EveryWordHasItsEntryAndEveryEntryIsUsed)
{
    ASSERT_NE(s_book, nullptr);
    QSet<QString> headwords;
    for (const WordListEntry& entry : s_book->words.entries())
        headwords.insert(entry.headword);
    for (const SourceLesson& lesson : s_book->lessons) {
        for (const SourceSentence& sentence : lesson.sentences) {
            for (const SentenceSegment& segment : sentence.segments) {
                if (segment.isWord()) {
                    EXPECT_TRUE(headwords.contains(segment.lemma))
                        << lesson.fileName.toStdString() << ":" << sentence.line << ": "
                        << segment.lemma.toStdString();
                }
            }
        }
    }
    EXPECT_TRUE(s_book->unusedEntries.isEmpty())
        << s_book->unusedEntries.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ShippedContent, EightLessonsWithSomethingForEveryMode)
{
    ASSERT_NE(s_book, nullptr);
    const QStringList titles = {QStringLiteral("第一课"), QStringLiteral("第二课"),
                                QStringLiteral("第三课"), QStringLiteral("第四课"),
                                QStringLiteral("第五课"), QStringLiteral("第六课"),
                                QStringLiteral("第七课"), QStringLiteral("第八课")};
    ASSERT_EQ(s_book->lessons.size(), titles.size());
    int lessonsWithKeyWords = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const SourceLesson& lesson = s_book->lessons[i];
        EXPECT_EQ(lesson.title, titles[i]);
        EXPECT_GE(lesson.sentences.size(), 6) << lesson.fileName.toStdString();
        EXPECT_LE(lesson.sentences.size(), 12) << lesson.fileName.toStdString();
        int keyWords = 0;
        int notes = 0;
        for (const SourceSentence& sentence : lesson.sentences) {
            notes += sentence.note.isEmpty() ? 0 : 1;
            for (const SentenceSegment& segment : sentence.segments)
                keyWords += segment.keyWord ? 1 : 0;
        }
        EXPECT_LE(keyWords, 6) << lesson.fileName.toStdString();
        EXPECT_GE(notes, 1) << lesson.fileName.toStdString();
        lessonsWithKeyWords += keyWords >= 3 ? 1 : 0;
    }
    EXPECT_GE(lessonsWithKeyWords, 4);
}

} // namespace
