#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/LessonOpening.h"
#include "app/SentenceDisplay.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Started on lesson 1 (two sentences, the second one dictated) at its second sentence.
class LessonOpeningTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.startSentence = 2;
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        ASSERT_TRUE(shell.writeSettings(settings));
    }

    void start()
    {
        ASSERT_TRUE(shell.startUp());
        ASSERT_EQ(state().CurrentSentence, 2);
        shell.lessonPlayer.clearCalls();
        shell.dialogs.clear();
    }

    MainState& state() { return shell.state(); }
    MainContext& context() { return shell.context(); }

    ShellFixture shell;
};

QStringList lessonNames(int count)
{
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names.append(QStringLiteral("第%1课").arg(k));
    return names;
}

} // namespace

TEST_F(LessonOpeningTest, NodeClickOpensItsLessonAtTheFirstSentence)
{
    start();
    treeNodeClicked(context(), 3);
    EXPECT_EQ(state().LessonNode, 3);
    EXPECT_EQ(state().LessonNumber, 2);
    EXPECT_EQ(state().LessonTitle, QStringLiteral("第二课"));
    EXPECT_EQ(state().SentenceCount, 1);
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(state().StartSentence, 1);
    EXPECT_FALSE(state().backGroupEnabled);
    EXPECT_EQ(state().progressCaption, QStringLiteral("0 / 1"));

    // Back to lesson 1, which was left at sentence 2: it opens at sentence 1 all the same.
    treeNodeClicked(context(), 2);
    EXPECT_EQ(state().LessonNumber, 1);
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_FALSE(state().backGroupEnabled);
    EXPECT_TRUE(state().nextGroupEnabled);
    EXPECT_EQ(state().progressCaption, QStringLiteral("1 / 2"));
    EXPECT_EQ(state().sentence.positionCaption, QStringLiteral("1 / 2"));
    // The lesson recording is (re)loaded at full volume and the first sentence plays.
    const QStringList calls = shell.lessonPlayer.calls();
    EXPECT_TRUE(calls.contains(QStringLiteral("setFile ") +
                               shell.folder.path(QStringLiteral("Sound/Kelvaro/1.mp3"))));
    EXPECT_EQ(shell.lessonPlayer.volume(), 100);
    EXPECT_EQ(shell.wordPlayer.volume(), 100);
    EXPECT_EQ(calls.mid(calls.size() - 2), QStringList({"setPosition 0.1", "play"}));
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
}

TEST_F(LessonOpeningTest, BookNodeClickChangesNothing)
{
    start();
    treeNodeClicked(context(), 1);
    EXPECT_EQ(state().LessonNode, 2);
    EXPECT_EQ(state().LessonNumber, 1);
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_TRUE(shell.lessonPlayer.calls().isEmpty());
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
}

TEST_F(LessonOpeningTest, RefusedLessonLeavesTheOpenLessonAndNamesTheFile)
{
    ASSERT_TRUE(shell.writeBookList(lessonNames(3)));
    // Lesson 3 is missing; lesson 2 is replaced by texts the parser refuses.
    struct Case
    {
        int node;
        QString lesson2;
        QString named;
    };
    const Case cases[] = {
        {4, QString(), QStringLiteral("Book/Kelvaro/3.dat")},
        {3, QStringLiteral("not a lesson"), QStringLiteral("Book/Kelvaro/2.dat")},
        {3, QStringLiteral("*^Good$good$^#早#0#1###"), QStringLiteral("Book/Kelvaro/2.dat")},
        {3, QStringLiteral("*^Good$good$^#only three#fields*"),
         QStringLiteral("Book/Kelvaro/2.dat")},
        {3, QStringLiteral(""), QStringLiteral("Book/Kelvaro/2.dat")},
    };
    start();
    const QStringList records = state().lesson.records;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lesson2.toStdString());
        if (!c.lesson2.isNull()) {
            ASSERT_TRUE(shell.writeLesson(2, c.lesson2));
        }
        shell.dialogs.clear();

        treeNodeClicked(context(), c.node);
        ASSERT_EQ(shell.dialogs.messages().size(), 1);
        EXPECT_TRUE(shell.dialogs.messages().front().text.contains(shell.folder.path(c.named)));
        EXPECT_EQ(state().LessonNode, 2);
        EXPECT_EQ(state().PreviousLessonNode, 2);
        EXPECT_EQ(state().LessonNumber, 1);
        EXPECT_EQ(state().lesson.records, records);
        EXPECT_EQ(state().CurrentSentence, 2);
        EXPECT_EQ(state().fullText.AllWordTextLabel.size(), 12);
        EXPECT_TRUE(shell.lessonPlayer.calls().isEmpty());
    }
    // The tree still works afterwards.
    ASSERT_TRUE(shell.writeLesson(3, lessonText({lessonRecord("^Hi$hi$^", "嗨", "0", "1")})));
    treeNodeClicked(context(), 4);
    EXPECT_EQ(state().LessonNumber, 3);
    EXPECT_EQ(state().LessonNode, 4);
}

TEST_F(LessonOpeningTest, BuiltInBookLessonsShareItsRecordings)
{
    ASSERT_TRUE(shell.writeBookList(lessonNames(184)));
    const struct
    {
        int lesson;
        QString recording;
    } cases[] = {
        {7, QStringLiteral("1.mp3")},   {8, QStringLiteral("2.mp3")},
        {53, QStringLiteral("9.mp3")},  {63, QStringLiteral("9.mp3")},
        {64, QStringLiteral("10.mp3")}, {184, QStringLiteral("39.mp3")},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(
            shell.writeLesson(c.lesson, lessonText({lessonRecord("^Hi$hi$^", "嗨", "0", "1")})));
        ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("Sound/Kelvaro/") + c.recording,
                                            QByteArray("ID3")));
    }
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lesson);
        treeNodeClicked(context(), c.lesson + 1);
        ASSERT_EQ(state().LessonNumber, c.lesson);
        EXPECT_EQ(state().LessonTitle, QStringLiteral("第%1课").arg(c.lesson));
        EXPECT_EQ(shell.lessonPlayer.file(),
                  shell.folder.path(QStringLiteral("Sound/Kelvaro/") + c.recording));
    }
}

TEST_F(LessonOpeningTest, LessonWithoutSentencesOpensEmpty)
{
    ASSERT_TRUE(shell.writeLesson(2, QStringLiteral("*")));
    start();
    treeNodeClicked(context(), 3);

    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    EXPECT_EQ(state().LessonNumber, 2);
    EXPECT_EQ(state().SentenceCount, 0);
    EXPECT_EQ(state().translation.EnglishTextLabel.size(), 1);
    EXPECT_EQ(state().fullText.AllWordTextLabel.size(), 1);
    EXPECT_EQ(state().sentence.SenWordLabel.size(), 1);
    EXPECT_TRUE(state().sentence.SenChineseLabel.caption.isEmpty());
    EXPECT_FALSE(state().fullText.scroll.scrollControlsVisible);
    EXPECT_FALSE(state().backGroupEnabled);
    EXPECT_FALSE(state().nextGroupEnabled);
    EXPECT_EQ(state().progressCaption, QStringLiteral("0 / 0"));

    for (WindowKey key : {WindowKey::PageDown, WindowKey::PageUp, WindowKey::Home, WindowKey::F7})
        keyPressed(context(), key);
    readAloud(context());
    shell.clock.advance(2000);
    EXPECT_FALSE(shell.lessonPlayer.calls().contains(QStringLiteral("play")));
    EXPECT_EQ(state().SentenceCount, 0);
}

TEST_F(LessonOpeningTest, ProgressCountsTheDictatedSentences)
{
    const QString undone = lessonRecord("^Hi$hi$^", "嗨", "0", "1", "", "0");
    const QString done = lessonRecord("^Hi$hi$^", "嗨", "1", "2", "", "1");
    // Only a Done field of exactly "1" counts.
    const QString almost = lessonRecord("^Hi$hi$^", "嗨", "2", "3", "", "11");
    const struct
    {
        QStringList records;
        QString progress;
    } cases[] = {
        {{undone, undone}, QStringLiteral("0 / 2")},
        {{done, undone, almost}, QStringLiteral("1 / 3")},
        {{done, done}, QStringLiteral("2 / 2")},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.progress.toStdString());
        ASSERT_TRUE(shell.writeLesson(2, lessonText(c.records)));
        treeNodeClicked(context(), 3);
        EXPECT_EQ(state().progressCaption, c.progress);
    }
}
