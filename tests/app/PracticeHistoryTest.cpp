#include "FakeHistoryStore.h"
#include "LessonTexts.h"
#include "ShellFixture.h"

#include "app/Dictation.h"
#include "app/FreeSpellingActions.h"
#include "app/PracticeLog.h"
#include "content/TextFile.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kHelloTom =
    lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2");
const QString kGoodMorning =
    lessonRecord("^Good $good$^morning$morning$^.^", "早上好。", "1.5", "2.9", "a note");

/// A shell in the dictation test, with or without the history's log.
struct DictationShell
{
    explicit DictationShell(bool logged, double passMark = 80)
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::DictationTest);
        settings.writeMode = WriteMode::DictationTest;
        settings.write.count = 0;
        settings.setFraction = passMark;
        EXPECT_TRUE(shell.writeLesson(1, lessonText({kHelloTom, kGoodMorning})));
        EXPECT_TRUE(shell.writeSettings(settings));
        if (logged)
            shell.context().practiceLog = &log;
        EXPECT_TRUE(shell.startUp());
        clock.time = 1'770'000'000'000;
    }

    void type(const QString& text)
    {
        for (QChar c : text) {
            dictationKeyPressed(shell.context());
            dictationTextChanged(shell.context(), shell.state().dictation.WriteWordText + c);
        }
    }

    ShellFixture shell;
    FakeHistoryStore store;
    FakeWallClock clock;
    PracticeLog log{store, clock};
};

} // namespace

TEST(PracticeHistoryTest, AScoredSentenceIsRecordedWithItsWrongAndRightWords)
{
    DictationShell d(true);
    d.type("hellp ");      // wrong: costs 3
    d.type("hello, tom."); // the fresh try, then Tom right at once
    ASSERT_EQ(d.store.outcomes.size(), 1u);
    const PracticeOutcome& outcome = d.store.outcomes.front();
    EXPECT_EQ(outcome.kind, PracticeKind::DictationSentence);
    EXPECT_EQ(outcome.book, d.shell.state().BookName);
    EXPECT_EQ(outcome.lesson, "1");
    EXPECT_EQ(outcome.sentence, 1);
    EXPECT_EQ(outcome.at, d.clock.time);
    EXPECT_TRUE(outcome.passed);
    EXPECT_EQ(outcome.score, 97);
    EXPECT_EQ(outcome.hints, 0);
    ASSERT_EQ(outcome.wrongWords.size(), 1u);
    EXPECT_EQ(outcome.wrongWords[0].word, "Hello");
    EXPECT_EQ(outcome.wrongWords[0].typed, "hellp");
    EXPECT_EQ(outcome.rightWords, std::vector<QString>{"Tom"}); // Hello was missed first
}

TEST(PracticeHistoryTest, AFailedSentenceIsRecordedAndTheRetryStartsClean)
{
    DictationShell d(true, 100);
    d.type("hellp hello, tom.");
    ASSERT_EQ(d.store.outcomes.size(), 1u);
    EXPECT_FALSE(d.store.outcomes[0].passed);
    EXPECT_EQ(d.store.outcomes[0].wrongWords.size(), 1u);
    d.type("hello, tom.");
    ASSERT_EQ(d.store.outcomes.size(), 2u);
    EXPECT_TRUE(d.store.outcomes[1].passed);
    EXPECT_TRUE(d.store.outcomes[1].wrongWords.empty());
    EXPECT_EQ(d.store.outcomes[1].rightWords, (std::vector<QString>{"Hello", "Tom"}));
}

TEST(PracticeHistoryTest, TheLessonAndResultsFilesGetTheSameWithOrWithoutTheLog)
{
    DictationShell logged(true);
    DictationShell plain(false);
    for (DictationShell* d : {&logged, &plain}) {
        d->type("hellp hello, tom.");
        d->type("goud good morning.");
    }
    const auto loggedText = readTextFile(logged.shell.lessonPath(1));
    const auto plainText = readTextFile(plain.shell.lessonPath(1));
    ASSERT_TRUE(loggedText.ok());
    ASSERT_TRUE(plainText.ok());
    EXPECT_EQ(loggedText.value(), plainText.value());
    const QString results = logged.shell.state().folder.results(logged.shell.state().BookName);
    EXPECT_EQ(
        readTextFile(results).value(),
        readTextFile(plain.shell.state().folder.results(plain.shell.state().BookName)).value());
    ASSERT_EQ(logged.store.outcomes.size(), 2u);
    // A word shown with its space ("Good ") is kept as the word itself.
    ASSERT_EQ(logged.store.outcomes[1].wrongWords.size(), 1u);
    EXPECT_EQ(logged.store.outcomes[1].wrongWords[0].word, "Good");
    EXPECT_EQ(logged.store.outcomes[1].rightWords, std::vector<QString>{"morning"});
}

TEST(PracticeHistoryTest, FreeSpellingWordsAreSetAgainstTheSentenceWordByWord)
{
    const struct
    {
        const char* right;
        const char* typed;
        std::vector<WrongWord> wrong;
    } cases[] = {
        {"Hello, Tom.", "hello tom", {}},
        {"Hello, Tom.", "helo, Tom!", {{"Hello", "helo"}}},
        {"I think it's right.",
         "I sink its light",
         {{"think", "sink"}, {"it's", "its"}, {"right", "light"}}},
        {"Hello, Tom.", "hello", {}}, // a word missing: no pairs to set against each other
    };
    for (const auto& c : cases) {
        const std::vector<WrongWord> wrong =
            PracticeLog::wrongWordsOf(QString::fromUtf8(c.right), QString::fromUtf8(c.typed));
        ASSERT_EQ(wrong.size(), c.wrong.size()) << c.typed;
        for (std::size_t i = 0; i < wrong.size(); ++i) {
            EXPECT_EQ(wrong[i].word, c.wrong[i].word);
            EXPECT_EQ(wrong[i].typed, c.wrong[i].typed);
        }
    }
}
