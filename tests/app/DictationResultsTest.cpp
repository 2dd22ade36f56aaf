#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/Dictation.h"
#include "app/LessonCompletion.h"
#include "app/ResultsActions.h"
#include "app/StartUp.h"
#include "content/Lesson.h"
#include "content/TextFile.h"
#include "modes/ResultsView.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kResultsFile = QStringLiteral("SETTING/Results/Kelvaro.dat");

QString helloTom(const QString& done = {})
{
    return lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2", "", done);
}

QString goodMorning(const QString& done = {})
{
    return lessonRecord("^Good $good$^morning$morning$^.^", "早上好。", "1.5", "2.9", "", done);
}

/// The shell in the dictation test on a book whose lessons are titled 第一课, 第一课续, 第二课.
class DictationResultsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        settings.modeIndex = modeNumber(Mode::DictationTest);
        settings.writeMode = WriteMode::DictationTest;
        settings.write.count = 0;
        ASSERT_TRUE(shell.writeBookList(
            {QStringLiteral("第一课"), QStringLiteral("第一课续"), QStringLiteral("第二课")}));
    }

    void start(const QStringList& records,
               const QString& results = QStringLiteral("^☆第一课^☆第一课续^☆第二课^"))
    {
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        if (!results.isNull())
            ASSERT_TRUE(shell.folder.writeCp936(kResultsFile, results));
        else
            ASSERT_TRUE(shell.folder.remove(kResultsFile));
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.startUp());
        shell.dialogs.clear();
    }

    void type(const QString& text)
    {
        for (QChar c : text) {
            dictationKeyPressed(context());
            dictationTextChanged(context(), state().dictation.WriteWordText + c);
        }
    }

    QString resultsText() { return shell.folder.readText(kResultsFile); }
    QStringList storedRecords(int lesson)
    {
        const auto text = readTextFile(shell.lessonPath(lesson));
        EXPECT_TRUE(text.ok());
        const auto parsed = parseLesson(text.value(), QStringLiteral("lesson"));
        EXPECT_TRUE(parsed.ok());
        return parsed.ok() ? parsed.value().records : QStringList();
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }
    const ResultsView& view() { return state().results; }

    ShellFixture shell;
    Settings settings = defaultSettings();
};

} // namespace

TEST_F(DictationResultsTest, PassingTheLastSentenceStarsExactlyTheLessonAndOpensTheView)
{
    start({helloTom(), goodMorning("1")});
    // Changed on disk after the lesson was opened: the star is set on the file as it is now.
    ASSERT_TRUE(
        shell.folder.writeCp936(kResultsFile, QStringLiteral("^☆第一课^☆第一课续^★第二课^")));
    type("hello tom.");
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].text, QStringLiteral("本课已听写完成！"));
    // Whole titles only: "第一课续" keeps its open star.
    EXPECT_EQ(resultsText(), QStringLiteral("^★第一课^☆第一课续^★第二课^"));
    ASSERT_TRUE(view().visible);
    EXPECT_EQ(view().List1, QStringList{kNoMissingSentence});
    EXPECT_EQ(view().List2,
              (QStringList{QStringLiteral("1.Hello, Tom."), QStringLiteral("2.Good morning.")}));
    EXPECT_EQ(view().List3, (QStringList{QStringLiteral("第一课"), QStringLiteral("第二课")}));
    EXPECT_EQ(view().List4, QStringList{QStringLiteral("第一课续")});
    EXPECT_EQ(view().BookSummaryCaption, QStringLiteral("本册共有3课，已听写完成2课"));
    EXPECT_TRUE(view().bookNotice.isEmpty());
}

TEST_F(DictationResultsTest, AMissingResultsFileIsNotInventedAndTheBookPageSaysSo)
{
    start({helloTom()}, QString());
    type("hello tom.");
    EXPECT_FALSE(shell.folder.exists(kResultsFile));
    EXPECT_EQ(recordField(storedRecords(1)[0], 6), QStringLiteral("1")); // the pass is kept
    ASSERT_TRUE(view().visible);
    EXPECT_TRUE(view().bookNotice.contains(shell.folder.path(kResultsFile)));
    EXPECT_EQ(view().List3, QStringList{kNoCompletedLesson});
    EXPECT_EQ(view().List4, QStringList{kNoMissingLesson});
    EXPECT_EQ(view().bookProgress(), 0.0); // no entries: an empty bar, not a division by zero
}

TEST_F(DictationResultsTest, EmptyOrMalformedResultsFilesAreNamedAndLeftAlone)
{
    for (const QString& text :
         {QStringLiteral(""), QStringLiteral("★第一课"), QStringLiteral("^★第二课^☆第一课")}) {
        SCOPED_TRACE(text.toStdString());
        start({helloTom()}, text);
        type("hello tom.");
        EXPECT_EQ(resultsText(), text);
        EXPECT_TRUE(view().visible);
        EXPECT_TRUE(view().bookNotice.contains(shell.folder.path(kResultsFile)));
        shell.restart();
    }
}

TEST_F(DictationResultsTest, TheListsSortSentencesByTheirDoneFieldWithPlaceholders)
{
    struct Case
    {
        QStringList done;
        QStringList missing, passed;
    } cases[] = {
        {{"", ""}, {"1.Hello, Tom.", "2.Good morning."}, {kNoPassedSentence}},
        {{"1", "1"}, {kNoMissingSentence}, {"1.Hello, Tom.", "2.Good morning."}},
        {{"0", "1"}, {kNoMissingSentence}, {"2.Good morning."}}, // "0" in neither list
    };
    for (const Case& c : cases) {
        ResultsView view;
        const QStringList records = {helloTom(c.done[0]), goodMorning(c.done[1])};
        fillLessonPage(view, records, {sentenceFields(records[0]), sentenceFields(records[1])});
        EXPECT_EQ(view.List1, c.missing);
        EXPECT_EQ(view.List2, c.passed);
    }
    ResultsView book;
    fillBookPage(book, resultsEntries(QStringLiteral("^★一^x二^☆三^★四^")));
    EXPECT_EQ(book.BookSummaryCaption, QStringLiteral("本册共有3课，已听写完成2课"));
    EXPECT_DOUBLE_EQ(book.bookProgress(), 2.0 / 3.0);
}

TEST_F(DictationResultsTest, ClickingASentenceEntryGoesToItForDictationAndClosesTheView)
{
    start({helloTom(), goodMorning("1"), helloTom()});
    showResults(context());
    resultsSentenceClicked(context(), QStringLiteral("3.Hello, Tom."));
    EXPECT_EQ(state().CurrentSentence, 3);
    EXPECT_FALSE(view().visible);
    EXPECT_TRUE(state().dictation.WriteWordTextVisible);
    EXPECT_EQ(state().dictation.DictationWordIndex, 1);
    EXPECT_EQ(context().focus, FocusTarget::WriteWordText);
    EXPECT_TRUE(state().backGroupEnabled);
    EXPECT_FALSE(state().nextGroupEnabled);
    EXPECT_EQ(state().progressCaption, QStringLiteral("1 / 3"));

    // Placeholders and entries naming no sentence of the lesson do nothing.
    for (const QString& entry : {kNoMissingSentence, kNoPassedSentence, QStringLiteral("9.Hi."),
                                 QStringLiteral("Hello.")}) {
        showResults(context());
        resultsSentenceClicked(context(), entry);
        EXPECT_EQ(state().CurrentSentence, 3);
        EXPECT_TRUE(view().visible);
    }
}

TEST_F(DictationResultsTest, ClearingTheLessonEmptiesItsPassesAndItsStarOnly)
{
    start({helloTom("1"), goodMorning("1")}, QStringLiteral("^★第一课^★第一课续^★第二课^"));
    showResults(context());
    clearLessonResults(context());
    for (const QString& record : storedRecords(1))
        EXPECT_TRUE(recordField(record, 6).isEmpty());
    EXPECT_EQ(resultsText(), QStringLiteral("^☆第一课^★第一课续^★第二课^"));
    EXPECT_EQ(state().DictatedCount, 0);
    EXPECT_EQ(state().progressCaption, QStringLiteral("0 / 2"));
    EXPECT_FALSE(state().SentenceDone);
    EXPECT_FALSE(state().dictation.WriteDoneCueVisible);
    EXPECT_FALSE(view().visible);
}

TEST_F(DictationResultsTest, ClearingTheBookLeavesUnreadableFilesAsTheyWereAndNamesThem)
{
    start({helloTom("1")}, QStringLiteral("^★第一课^★第一课续^☆第二课^"));
    ASSERT_TRUE(shell.writeLesson(2, lessonText({helloTom("1"), goodMorning()})));
    const QByteArray broken = QByteArray("*not a lesson");
    ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("Book/Kelvaro/3.dat"), broken));
    // Nothing passed: a plain-text file that is not rewritten stays plain text.
    const QString untouched = lessonText({goodMorning()});
    ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("Book/Kelvaro/4.dat"), untouched));
    ASSERT_TRUE(shell.writeLesson(6, lessonText({helloTom("1")}))); // after a gap

    clearBookResults(context());
    EXPECT_TRUE(recordField(storedRecords(1)[0], 6).isEmpty());
    EXPECT_TRUE(recordField(storedRecords(2)[0], 6).isEmpty());
    EXPECT_EQ(goodMorning(), storedRecords(2)[1]);
    EXPECT_EQ(shell.folder.readText(QStringLiteral("Book/Kelvaro/4.dat")), untouched);
    QFile file(shell.lessonPath(3));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), broken);
    EXPECT_EQ(recordField(storedRecords(6)[0], 6), QStringLiteral("1")); // beyond the gap
    EXPECT_EQ(resultsText(), QStringLiteral("^☆第一课^☆第一课续^☆第二课^"));

    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(shell.dialogs.messages()[0].text.contains(shell.lessonPath(3)));
    EXPECT_EQ(shell.dialogs.countMentioning(QStringLiteral("本册成绩清除完毕")), 0);
}

TEST_F(DictationResultsTest, ClearingTheBookReportsDoneAndWalksPastAMissingFirstLesson)
{
    ASSERT_TRUE(shell.writeLesson(2, lessonText({helloTom("1")})));
    ASSERT_TRUE(shell.writeLesson(3, lessonText({goodMorning("1")})));
    settings.lessonNode = 3; // lesson 2 is open
    start({helloTom("1")}, QStringLiteral("^★第一课^★第一课续^★第二课^"));
    ASSERT_EQ(state().LessonNumber, 2);
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("Book/Kelvaro/1.dat")));

    clearBookResults(context());
    EXPECT_TRUE(recordField(storedRecords(2)[0], 6).isEmpty());
    EXPECT_TRUE(recordField(storedRecords(3)[0], 6).isEmpty());
    EXPECT_EQ(resultsText(), QStringLiteral("^☆第一课^☆第一课续^☆第二课^"));
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, FakeDialogs::Kind::Information);
    EXPECT_EQ(shell.dialogs.messages()[0].text, QStringLiteral("本册成绩清除完毕"));
    EXPECT_FALSE(view().visible);
}

// Regression: both buttons erased the learner's progress in one click, without a question.
TEST_F(DictationResultsTest, ClearingAsksFirstAndNoKeepsEveryPass)
{
    const struct
    {
        bool book;
        bool yes;
    } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.book ? "book" : "lesson") + (c.yes ? ", yes" : ", no"));
        shell.restart(); // each case starts the program afresh
        ASSERT_TRUE(shell.writeLesson(2, lessonText({goodMorning("1")})));
        start({helloTom("1"), goodMorning("1")}, QStringLiteral("^★第一课^★第一课续^☆第二课^"));
        const QString lesson1 = shell.folder.readText(QStringLiteral("Book/Kelvaro/1.dat"));
        const QString lesson2 = shell.folder.readText(QStringLiteral("Book/Kelvaro/2.dat"));
        const QString results = resultsText();
        showResults(context());
        shell.dialogs.setQuestionAnswer(c.yes);

        c.book ? confirmAndClearBookResults(context()) : confirmAndClearLessonResults(context());
        ASSERT_GE(shell.dialogs.messages().size(), 1);
        const FakeDialogs::Message& question = shell.dialogs.messages()[0];
        EXPECT_EQ(question.kind, FakeDialogs::Kind::Question);
        EXPECT_EQ(question.defaultAnswer, Dialogs::Answer::No);
        EXPECT_TRUE(
            question.text.contains(c.book ? QStringLiteral("本册") : QStringLiteral("本课")));
        if (!c.yes) {
            EXPECT_EQ(shell.dialogs.messages().size(), 1);
            EXPECT_EQ(shell.folder.readText(QStringLiteral("Book/Kelvaro/1.dat")), lesson1);
            EXPECT_EQ(shell.folder.readText(QStringLiteral("Book/Kelvaro/2.dat")), lesson2);
            EXPECT_EQ(resultsText(), results);
            EXPECT_EQ(state().DictatedCount, 2);
            EXPECT_TRUE(view().visible);
            continue;
        }
        EXPECT_TRUE(recordField(storedRecords(1)[0], 6).isEmpty());
        EXPECT_EQ(recordField(storedRecords(2)[0], 6).isEmpty(), c.book);
        EXPECT_EQ(resultsText(), c.book ? QStringLiteral("^☆第一课^☆第一课续^☆第二课^")
                                        : QStringLiteral("^☆第一课^★第一课续^☆第二课^"));
        EXPECT_EQ(state().DictatedCount, 0);
    }
}
