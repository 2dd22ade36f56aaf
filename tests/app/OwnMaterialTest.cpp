#include "FakeImportDialog.h"
#include "FakeImportRunner.h"
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/ImportChoices.h"
#include "app/LessonOpening.h"
#include "app/LibraryLoading.h"
#include "app/ModeSwitching.h"
#include "app/OwnMaterialController.h"
#include "app/StartUp.h"
#include "content/OwnBooks.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kOwnBook = QStringLiteral("My Book");

QString ownRecord(const QString& english, const QString& chinese, int n)
{
    return lessonRecord(english, chinese, QString::number(n - 1), QString::number(n));
}

// The fixture's built-in book and an own book with two lessons, each of two sentences; a
// recording with its transcript beside it waits to be imported.
class OwnMaterialTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList.dat"),
                                            QStringLiteral("^My Book^")));
        ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/BookList/My Book.dat"),
                                            QStringLiteral("^Episode one^Episode two^")));
        ASSERT_TRUE(shell.folder.writeCp936(QStringLiteral("SETTING/Results/My Book.dat"),
                                            QStringLiteral("^☆Episode one^★Episode two^")));
        for (int n = 1; n <= 2; ++n) {
            ASSERT_TRUE(writeOwnLesson(n, QStringLiteral("Episode")));
            ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("Sound/My Book/%1.mp3").arg(n),
                                                QByteArray("mp3 of ") + QByteArray::number(n)));
        }
        ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("incoming/talk.mp3"), "mp3"));
        ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("incoming/talk.lrc"), "[00:01.00]Hi"));
        ASSERT_TRUE(shell.startUp());
        shell.dialogs.clear();
    }

    bool writeOwnLesson(int n, const QString& word)
    {
        return shell.folder.writeCp936(
            QStringLiteral("Book/My Book/%1.dat").arg(n),
            lessonText(
                {ownRecord(QStringLiteral("^%1 $%1$^%2^.^").arg(word).arg(n),
                           QStringLiteral("第%1课").arg(n), 1),
                 ownRecord(QStringLiteral("^Second$second$^.^"), QStringLiteral("第二句"), 2)}));
    }

    MainState& state() { return shell.state(); }
    int ownNode(int lesson) { return nodeOfPlace(state().library, 1, lesson); }
    QString incoming(const QString& name) { return shell.folder.path("incoming/" + name); }
    // What the tool leaves on success: the lesson added to the book.
    int toolAddsLesson(const QString& book, const QString& name)
    {
        OwnLesson lesson{
            book, name,
            lessonText({ownRecord(QStringLiteral("^New $new$^.^"), QStringLiteral("新课"), 1),
                        ownRecord(QStringLiteral("^More$more$^.^"), QStringLiteral("第二句"), 2)}),
            incoming(QStringLiteral("talk.mp3"))};
        return addOwnLesson(state().folder, lesson).value();
    }
    void openTheDialogAndImport()
    {
        controller.importRequested({incoming(QStringLiteral("talk.mp3"))});
        ASSERT_TRUE(dialog.isOpen());
        dialog.handler().importPressed(dialog.form());
        ASSERT_TRUE(runner.running()) << dialog.problem().toStdString();
    }

    ShellFixture shell;
    FakeImportDialog dialog;
    FakeImportRunner runner;
    OwnMaterialController controller{shell.context(), dialog, runner};
};

} // namespace

TEST_F(OwnMaterialTest, ASuccessfulImportOpensTheNewLessonAtSentenceOneInTheTabShown)
{
    tabClicked(shell.context(), Mode::Translation);
    state().CurrentSentence = 2;
    const Mode mode = state().ModeIndex;

    controller.importRequested({incoming(QStringLiteral("talk.mp3"))});
    // Prefilled: the transcript beside the recording, its name, the own book.
    EXPECT_EQ(dialog.form().transcript, incoming(QStringLiteral("talk.lrc")));
    EXPECT_EQ(dialog.form().name, QStringLiteral("talk"));
    EXPECT_EQ(dialog.form().book, kOwnBook);
    EXPECT_EQ(dialog.books(), QStringList{kOwnBook});

    dialog.handler().importPressed(dialog.form());
    ASSERT_EQ(runner.jobs().size(), 1);
    const ImportJob& job = runner.jobs().front();
    EXPECT_EQ(job.folder, state().folder.root());
    EXPECT_EQ(job.book, kOwnBook);
    EXPECT_EQ(job.name, QStringLiteral("talk"));
    EXPECT_EQ(job.transcript, incoming(QStringLiteral("talk.lrc")));
    EXPECT_FALSE(job.align);
    EXPECT_TRUE(dialog.running());
    runner.report(40);
    EXPECT_EQ(dialog.progress(), 40);

    int changes = 0;
    QObject::connect(&controller, &OwnMaterialController::changed, [&] { ++changes; });
    const int lesson = toolAddsLesson(kOwnBook, QStringLiteral("talk"));
    runner.finish({true, lesson, {}});

    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(state().library[1].lessonNames.size(), 3);
    EXPECT_EQ(state().BookName, kOwnBook);
    EXPECT_EQ(state().LessonNumber, 3);
    EXPECT_EQ(state().LessonNode, ownNode(3));
    EXPECT_EQ(state().LessonTitle, QStringLiteral("talk"));
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(state().fields(1).chinese, QStringLiteral("新课"));
    EXPECT_EQ(state().ModeIndex, mode);
    EXPECT_TRUE(shell.lessonPlayer.file().endsWith(QStringLiteral("Sound/My Book/3.mp3")));
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());

    // The next start opens it again.
    ASSERT_TRUE(shutDown(shell.context()));
    EXPECT_EQ(loadSettings(state().folder.settings()).lessonNode, ownNode(3));
    // The book just used is the next import's default.
    EXPECT_EQ(controller.defaultBook(), kOwnBook);
}

TEST_F(OwnMaterialTest, ARefusalShowsTheToolsMessageAndKeepsTheLessonOpen)
{
    const int node = state().LessonNode;
    const int revision = state().libraryRevision;
    openTheDialogAndImport();
    const QString refusal = QStringLiteral("字幕文件 \"talk.lrc\" 第 3 行：时间倒退");
    runner.finish({false, 0, refusal});

    EXPECT_TRUE(dialog.isOpen());
    EXPECT_FALSE(dialog.running());
    EXPECT_EQ(dialog.problem(), refusal);
    EXPECT_EQ(state().LessonNode, node);
    EXPECT_EQ(state().libraryRevision, revision);
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());

    // The learner can try again from the same dialog.
    dialog.handler().importPressed(dialog.form());
    EXPECT_EQ(runner.jobs().size(), 2);
}

TEST_F(OwnMaterialTest, ACancelStopsTheRunAndLeavesTheLibraryAsItWas)
{
    const QVector<LibraryBook> library = state().library;
    const int node = state().LessonNode;
    openTheDialogAndImport();
    runner.report(70);
    dialog.handler().cancelPressed();

    EXPECT_EQ(runner.cancels(), 1);
    EXPECT_FALSE(runner.running());
    EXPECT_FALSE(dialog.running());
    EXPECT_TRUE(dialog.problem().contains(QStringLiteral("取消")));
    EXPECT_EQ(state().library.size(), library.size());
    EXPECT_EQ(state().library[1].lessonNames, library[1].lessonNames);
    EXPECT_EQ(state().LessonNode, node);
    EXPECT_EQ(nextLessonNumber(state().folder, kOwnBook).value(), 3);
}

TEST_F(OwnMaterialTest, EntriesThatCannotBeImportedAreRefusedInTheDialog)
{
    controller.importRequested({incoming(QStringLiteral("talk.mp3"))});
    const ImportForm good = dialog.form();
    struct Case
    {
        const char* why;
        std::function<void(ImportForm&)> change;
        QString mentions;
    };
    const Case cases[] = {
        {"no recording", [](ImportForm& f) { f.recording.clear(); }, QStringLiteral("录音")},
        {"missing recording", [&](ImportForm& f) { f.recording = incoming("gone.mp3"); },
         QStringLiteral("gone.mp3")},
        {"no transcript", [](ImportForm& f) { f.transcript.clear(); }, QStringLiteral("字幕")},
        {"bad book", [](ImportForm& f) { f.book = QStringLiteral("a/b"); }, QStringLiteral("a/b")},
        {"built-in book", [](ImportForm& f) { f.book = builtInBookName(); },
         QStringLiteral("内置")},
        {"empty name", [](ImportForm& f) { f.name = QStringLiteral("  "); },
         QStringLiteral("课名")},
        {"caret in name", [](ImportForm& f) { f.name = QStringLiteral("a^b"); },
         QStringLiteral("^")},
    };
    for (const Case& c : cases) {
        ImportForm form = good;
        c.change(form);
        dialog.handler().importPressed(form);
        EXPECT_FALSE(runner.running()) << c.why;
        EXPECT_TRUE(dialog.problem().contains(c.mentions))
            << c.why << ": " << dialog.problem().toStdString();
    }
    EXPECT_TRUE(runner.jobs().isEmpty());
}

TEST_F(OwnMaterialTest, APlainTextTranscriptAlwaysAligns)
{
    ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("incoming/notes.txt"), "Hi."));
    controller.importRequested({incoming(QStringLiteral("talk.mp3"))});
    ImportForm form = dialog.form();
    form.transcript = incoming(QStringLiteral("notes.txt"));
    dialog.handler().transcriptChosen(form);
    EXPECT_TRUE(dialog.form().align);
    EXPECT_TRUE(dialog.form().alignLocked);
    form = dialog.form();
    form.align = false; // a disabled box cannot be unchecked; the rule holds all the same
    dialog.handler().importPressed(form);
    ASSERT_EQ(runner.jobs().size(), 1);
    EXPECT_TRUE(runner.jobs().front().align);

    // Back to a timed transcript: the box is free again and unchecked.
    runner.cancel();
    form.transcript = incoming(QStringLiteral("talk.lrc"));
    dialog.handler().transcriptChosen(form);
    EXPECT_FALSE(dialog.form().alignLocked);
    EXPECT_FALSE(dialog.form().align);
}

TEST(ImportChoices, TheTranscriptBesideARecordingIsFoundByItsStem)
{
    struct Case
    {
        QStringList present;
        QString recording;
        QString expected;
    };
    const Case cases[] = {
        {{"/m/talk.lrc", "/m/talk.srt"}, "/m/talk.mp3", "/m/talk.lrc"},
        {{"/m/talk.txt", "/m/talk.vtt"}, "/m/talk.mp3", "/m/talk.vtt"},
        {{"/m/talk.srt", "/m/talk.txt"}, "/m/talk.m4a", "/m/talk.srt"},
        {{"/m/talk.txt"}, "/m/talk.wav", "/m/talk.txt"},
        {{"/m/TALK.SRT", "/m/talk.SRT"}, "/m/talk.mp4", "/m/talk.SRT"},
        {{"/m/ep.1.lrc"}, "/m/ep.1.mp3", "/m/ep.1.lrc"},
        {{"/m/talk.lrc"}, "/other/talk.mp3", ""},
        {{"/m/talks.lrc", "/m/tal.lrc"}, "/m/talk.mp3", ""},
        {{"/m/.lrc"}, "", ""},
    };
    for (const Case& c : cases) {
        const QSet<QString> present(c.present.begin(), c.present.end());
        EXPECT_EQ(transcriptBeside(c.recording,
                                   [&](const QString& path) { return present.contains(path); }),
                  c.expected)
            << c.recording.toStdString();
    }
}

TEST(ImportChoices, DroppedFilesFillTheForm)
{
    const auto exists = [](const QString& path) { return path == u"/m/a.lrc"; };
    ImportForm form =
        formForFiles({"/m/notes.TXT", "/m/a.mkv", "/m/b.mp3"}, QStringLiteral("书"), exists);
    EXPECT_EQ(form.recording, QStringLiteral("/m/a.mkv"));
    EXPECT_EQ(form.transcript, QStringLiteral("/m/notes.TXT")); // the one dropped with it
    EXPECT_EQ(form.name, QStringLiteral("a"));
    EXPECT_EQ(form.book, QStringLiteral("书"));
    EXPECT_TRUE(form.align && form.alignLocked);

    form = formForFiles({"/m/a.mp3"}, QString(), exists);
    EXPECT_EQ(form.transcript, QStringLiteral("/m/a.lrc"));
    EXPECT_FALSE(form.align || form.alignLocked);

    form = formForFiles({"/m/picture.png"}, QString(), exists);
    EXPECT_TRUE(form.recording.isEmpty() && form.transcript.isEmpty() && form.name.isEmpty());
}

TEST_F(OwnMaterialTest, RenamingAsksUntilTheNameIsGoodAndKeepsTheStar)
{
    treeNodeClicked(shell.context(), ownNode(2));
    shell.dialogs.setTextAnswers({QStringLiteral("a^b"), QStringLiteral(" Part two ")});
    controller.renameRequested(ownNode(2));

    EXPECT_EQ(shell.dialogs.textRequests(),
              (QStringList{QStringLiteral("Episode two"), QStringLiteral("a^b")}));
    EXPECT_EQ(shell.dialogs.countMentioning(QStringLiteral("a^b")), 1); // the refusal
    EXPECT_EQ(state().library[1].lessonNames,
              (QStringList{QStringLiteral("Episode one"), QStringLiteral("Part two")}));
    EXPECT_EQ(state().LessonTitle, QStringLiteral("Part two"));
    EXPECT_EQ(shell.folder.readText(QStringLiteral("SETTING/Results/My Book.dat")),
              QStringLiteral("^☆Episode one^★Part two^"));
}

TEST_F(OwnMaterialTest, OnlyLessonsOfOwnBooksAreRenamedOrRemoved)
{
    shell.dialogs.setQuestionAnswer(true);
    shell.dialogs.setTextAnswers({QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x")});
    for (int node : {1, 2, ownNode(0), 10000}) {
        controller.renameRequested(node);
        controller.removeRequested(node);
    }
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    EXPECT_EQ(state().library[1].lessonNames.size(), 2);
}

TEST_F(OwnMaterialTest, RemovingAskWithNoAsTheDefaultAndAnswerNoKeepsTheLesson)
{
    shell.dialogs.setQuestionAnswer(false);
    controller.removeRequested(ownNode(1));
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, FakeDialogs::Kind::Question);
    EXPECT_EQ(shell.dialogs.messages()[0].defaultAnswer, Dialogs::Answer::No);
    EXPECT_TRUE(shell.dialogs.messages()[0].text.contains(QStringLiteral("Episode one")));
    EXPECT_EQ(state().library[1].lessonNames.size(), 2);
    EXPECT_TRUE(shell.folder.exists(QStringLiteral("Book/My Book/2.dat")));
}

TEST_F(OwnMaterialTest, RemovingAnEarlierLessonKeepsTheOpenOneOpenUnderItsNewNumber)
{
    treeNodeClicked(shell.context(), ownNode(2));
    state().CurrentSentence = 2;
    shell.dialogs.setQuestionAnswer(true);
    controller.removeRequested(ownNode(1));

    EXPECT_EQ(state().library[1].lessonNames, QStringList{QStringLiteral("Episode two")});
    EXPECT_EQ(state().LessonNumber, 1);
    EXPECT_EQ(state().LessonNode, ownNode(1));
    EXPECT_EQ(state().PreviousLessonNode, ownNode(1));
    EXPECT_EQ(state().CurrentSentence, 2); // not opened again
    EXPECT_TRUE(shell.lessonPlayer.file().endsWith(QStringLiteral("Sound/My Book/1.mp3")));
    EXPECT_EQ(shell.folder.readText(QStringLiteral("SETTING/Results/My Book.dat")),
              QStringLiteral("^★Episode two^"));
    // A click on the node opens the lesson that moved there.
    treeNodeClicked(shell.context(), ownNode(1));
    EXPECT_EQ(state().LessonTitle, QStringLiteral("Episode two"));
    EXPECT_EQ(state().fields(1).chinese, QStringLiteral("第2课"));
}

TEST_F(OwnMaterialTest, RemovingTheOpenLessonOpensTheNearestOne)
{
    struct Case
    {
        int removed;
        QString opensBook;
        int opensLesson;
    };
    // One after the other on a book of three lessons.
    toolAddsLesson(kOwnBook, QStringLiteral("Episode three"));
    loadLibrary(shell.context());
    const Case cases[] = {
        {1, kOwnBook, 1},          // the next lesson moved into its place
        {2, kOwnBook, 1},          // the book's last lesson: the one before it
        {1, builtInBookName(), 0}, // the book's only lesson: the last built-in lesson
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.removed);
        treeNodeClicked(shell.context(), ownNode(c.removed));
        ASSERT_EQ(state().LessonNumber, c.removed);
        shell.dialogs.setQuestionAnswer(true);
        controller.removeRequested(ownNode(c.removed));
        EXPECT_EQ(state().BookName, c.opensBook);
        const int lesson = c.opensLesson ? c.opensLesson : int(state().lessonNames.size());
        EXPECT_EQ(state().LessonNumber, lesson);
        EXPECT_EQ(state().CurrentSentence, 1);
        EXPECT_EQ(placeOfNode(state().library, state().LessonNode).lesson, lesson);
    }
    EXPECT_EQ(state().library.size(), 1); // the emptied book is gone from the tree
}
