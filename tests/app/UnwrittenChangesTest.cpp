// Changes whose lesson file could not be written: kept, named at exit, saved elsewhere or
// dropped only on the learner's word.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/Dictation.h"
#include "app/ExitCheck.h"
#include "app/LessonOpening.h"
#include "app/ResultsActions.h"
#include "app/SentenceDisplay.h"
#include "app/UnwrittenRescue.h"
#include "app/WordTools.h"
#include "content/Lesson.h"
#include "content/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kHelloTom =
    lessonRecord("^Hello$hello$^, ^Tom$tom$^.^", "你好，汤姆。", "0.1", "1.2");
const QString kPassed =
    lessonRecord("^Good $good$^morning$morning$^.^", "早上好。", "1.5", "2.9", "", "1");
const QString kLessonFile = QStringLiteral("Book/Kelvaro/1.dat");

/// The shell on lesson 1 (Hello Tom; a passed Good morning) and a lesson 2, in mode.
void start(ShellFixture& shell, Mode mode)
{
    Settings settings = defaultSettings();
    settings.modeIndex = modeNumber(mode);
    if (mode == Mode::DictationTest) {
        settings.writeMode = WriteMode::DictationTest;
        settings.write.count = 0;
    }
    ASSERT_TRUE(shell.writeSettings(settings));
    ASSERT_TRUE(shell.writeLesson(1, lessonText({kHelloTom, kPassed})));
    ASSERT_TRUE(shell.writeLesson(2, lessonText({kHelloTom})));
    ASSERT_TRUE(shell.startUp());
    shell.dialogs.clear();
}

/// Lesson 1's file can no longer be replaced: a folder stands at its name.
void blockLessonFile(ShellFixture& shell)
{
    ASSERT_TRUE(QFile::remove(shell.lessonPath(1)));
    ASSERT_TRUE(QDir().mkdir(shell.lessonPath(1)));
}

QStringList recordsOf(const QString& path)
{
    const auto text = readTextFile(path);
    const auto lesson =
        text ? parseLesson(text.value(), path) : Result<Lesson>(Error{text.error()});
    EXPECT_TRUE(lesson.ok()) << lesson.error().toStdString();
    return lesson ? lesson->records : QStringList();
}

void typeNote(ShellFixture& shell, const QString& note)
{
    saveSentenceNote(shell.context(), note);
}

void toggleHello(ShellFixture& shell)
{
    shell.state().CurrentSentence = 1;
    showSentence(shell.context());
    keyPressed(shell.context(), WindowKey::Ctrl);
    sentenceWordClicked(shell.context(), 1);
    keyReleased(shell.context());
}

struct ChangeCase
{
    const char* name;
    Mode mode;
    std::function<void(ShellFixture&)> change;
    QString named; ///< how the exit names the change
};

// A change that could not be written was dropped at exit without a word.
TEST(UnwrittenChanges, EveryKindOfChangeIsNamedAtExitAndQuittingTakesADeliberateYes)
{
    const ChangeCase cases[] = {
        {"key word", Mode::SentenceBrowse, toggleHello, QStringLiteral("重点词")},
        {"note", Mode::SentenceBrowse, [](ShellFixture& s) { typeNote(s, QStringLiteral("n")); },
         QStringLiteral("笔记")},
        {"dictation pass", Mode::DictationTest,
         [](ShellFixture& s) {
             for (QChar c : QStringLiteral("hello tom.")) {
                 dictationKeyPressed(s.context());
                 dictationTextChanged(s.context(), s.state().dictation.WriteWordText + c);
             }
         },
         QStringLiteral("听写过关记录")},
        {"cleared results", Mode::SentenceBrowse,
         [](ShellFixture& s) { clearLessonResults(s.context()); }, QStringLiteral("清除的成绩")},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture shell;
        start(shell, c.mode);
        EXPECT_TRUE(mayExit(shell.context())) << "nothing unwritten: nothing asked";
        EXPECT_TRUE(shell.dialogs.messages().isEmpty());

        blockLessonFile(shell);
        c.change(shell);
        ASSERT_GE(shell.dialogs.messages().size(), 1);
        EXPECT_EQ(shell.dialogs.messages()[0].kind, FakeDialogs::Kind::Warning);
        EXPECT_TRUE(shell.dialogs.messages()[0].text.contains(shell.lessonPath(1)));
        shell.dialogs.clear();

        shell.dialogs.setQuestionAnswer(true);
        EXPECT_TRUE(mayExit(shell.context()));
        ASSERT_EQ(shell.dialogs.messages().size(), 1);
        const FakeDialogs::Message& asked = shell.dialogs.messages()[0];
        EXPECT_EQ(asked.kind, FakeDialogs::Kind::Question);
        EXPECT_EQ(asked.defaultAnswer, Dialogs::Answer::No);
        EXPECT_TRUE(asked.text.contains(kLessonFile + QStringLiteral("（") + c.named +
                                        QStringLiteral("）")))
            << asked.text.toStdString();
    }
}

TEST(UnwrittenChanges, TheChangedFilesAreSavedElsewhereAtTheirPlacesAndALessonOpenedAgainKeepsThem)
{
    ShellFixture shell;
    start(shell, Mode::SentenceBrowse);
    blockLessonFile(shell);
    typeNote(shell, QStringLiteral("kept note"));
    toggleHello(shell);
    const QStringList changed = shell.state().lesson.records;
    ASSERT_TRUE(changed[0].contains(QStringLiteral("kept note")));

    // Lesson 2 and back: lesson 1 opens as the learner left it, from memory.
    treeNodeClicked(shell.context(), 3);
    ASSERT_EQ(shell.state().LessonNumber, 2);
    treeNodeClicked(shell.context(), 2);
    ASSERT_EQ(shell.state().LessonNumber, 1);
    EXPECT_EQ(shell.state().lesson.records, changed);
    shell.dialogs.clear();

    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    shell.dialogs.setQuestionAnswer(false);
    shell.dialogs.setFolderAnswers({elsewhere.path()});
    EXPECT_TRUE(mayExit(shell.context()));
    const auto& shown = shell.dialogs.messages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].text.contains(kLessonFile + QStringLiteral("（笔记、重点词）")))
        << shown[0].text.toStdString();
    EXPECT_EQ(shown[1].kind, FakeDialogs::Kind::FolderRequest);
    EXPECT_EQ(shown[2].kind, FakeDialogs::Kind::Information);
    EXPECT_TRUE(shown[2].text.contains(elsewhere.path()));
    EXPECT_EQ(recordsOf(elsewhere.filePath(kLessonFile)), changed);
}

TEST(UnwrittenChanges, ACancelledChoiceKeepsTheWindowAFailedCopyAsksAgainAndAWriteEndsIt)
{
    ShellFixture shell;
    start(shell, Mode::SentenceBrowse);
    blockLessonFile(shell);
    typeNote(shell, QStringLiteral("kept note"));
    shell.dialogs.clear();

    shell.dialogs.setQuestionAnswer(false);
    EXPECT_FALSE(mayExit(shell.context())) << "no folder chosen: the program stays open";
    EXPECT_EQ(shell.dialogs.messages().size(), 2);
    shell.dialogs.clear();

    // The chosen "folder" is a file: nothing can be made in it. Asked again, the learner quits.
    ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("not-a-folder"), "x"));
    shell.dialogs.setFolderAnswers({shell.folder.path(QStringLiteral("not-a-folder"))});
    shell.dialogs.setQuestionAnswers({false, true});
    EXPECT_TRUE(mayExit(shell.context()));
    const auto& shown = shell.dialogs.messages();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[2].kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(shown[2].text.contains(QStringLiteral("not-a-folder")));
    EXPECT_EQ(shown[3].kind, FakeDialogs::Kind::Question);

    // Once the file can be written again, the next save writes everything and the exit is quiet.
    ASSERT_TRUE(QDir().rmdir(shell.lessonPath(1)));
    toggleHello(shell);
    shell.dialogs.clear();
    EXPECT_TRUE(mayExit(shell.context()));
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
    EXPECT_TRUE(recordsOf(shell.lessonPath(1))[0].contains(QStringLiteral("kept note")));
}

} // namespace

namespace {

// A kept lesson that is not open was cleared on the disk only, and opened again with its passes.
TEST(UnwrittenChanges, ClearingTheBookClearsAKeptLessonAndWritesItWithTheLearnersChanges)
{
    ShellFixture shell;
    start(shell, Mode::SentenceBrowse);
    blockLessonFile(shell);
    typeNote(shell, QStringLiteral("kept note"));
    treeNodeClicked(shell.context(), 3);
    ASSERT_EQ(shell.state().LessonNumber, 2);
    ASSERT_TRUE(QDir().rmdir(shell.lessonPath(1)));
    shell.dialogs.clear();

    clearBookResults(shell.context());
    const QStringList written = recordsOf(shell.lessonPath(1));
    ASSERT_EQ(written.size(), 2);
    EXPECT_EQ(recordField(written[0], 5), QStringLiteral("kept note"));
    EXPECT_TRUE(recordField(written[1], 6).isEmpty());
    shell.dialogs.clear();
    EXPECT_TRUE(mayExit(shell.context()));
    EXPECT_TRUE(shell.dialogs.messages().isEmpty());
}

} // namespace

// A close by the desktop session (no question can be asked) dropped the unwritten changes.
TEST(UnwrittenChanges, AClosePastAskingKeepsThemInAFolderOfItsOwnAndTheNextStartSaysWhere)
{
    ShellFixture shell;
    start(shell, Mode::SentenceBrowse);
    blockLessonFile(shell);
    typeNote(shell, QStringLiteral("kept note"));
    const QStringList changed = shell.state().lesson.records;
    QTemporaryDir rescueRoot;
    ASSERT_TRUE(rescueRoot.isValid());
    const QString root = shell.state().folder.root();

    // Two closes in the same second keep two folders apart.
    const auto first = rescueUnwritten(shell.context().unwritten, root, rescueRoot.path(),
                                       QStringLiteral("2026-12-11_120000"));
    const auto second = rescueUnwritten(shell.context().unwritten, root, rescueRoot.path(),
                                        QStringLiteral("2026-12-11_120000"));
    ASSERT_TRUE(first.ok()) << first.error().toStdString();
    ASSERT_TRUE(second.ok()) << second.error().toStdString();
    EXPECT_NE(*first, *second);
    EXPECT_EQ(recordsOf(QDir(*first).filePath(kLessonFile)), changed);
    QFile note(QDir(*first).filePath(QStringLiteral("说明.txt")));
    ASSERT_TRUE(note.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(note.readAll()).contains(kLessonFile));

    const QStringList told = takeRescuedFolders(rescueRoot.path());
    EXPECT_EQ(told, (QStringList{*first, *second}));
    EXPECT_TRUE(rescuedFoldersNotice(told).contains(*second));
    EXPECT_TRUE(takeRescuedFolders(rescueRoot.path()).isEmpty()) << "told only once";

    // With everything written there is nothing to keep and nothing to tell.
    EXPECT_FALSE(rescueUnwritten(UnwrittenChanges(), root, rescueRoot.path(), QStringLiteral("x")));
    EXPECT_TRUE(takeRescuedFolders(rescueRoot.path()).isEmpty());
    EXPECT_TRUE(rescuedFoldersNotice({}).isEmpty());
}
