// Every refusal of the content layer reaches the learner inside a message box: each one is
// Chinese and names its file. The window's own messages are checked by FakeDialogs.
#include "content/BookList.h"
#include "content/Dictionary.h"
#include "content/FolderChoice.h"
#include "content/FolderCopy.h"
#include "content/Lesson.h"
#include "content/Settings.h"
#include "content/TextFile.h"

#include "ChineseText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

TEST(SentencesWithoutChinese, FindsEnglishSentencesAndLeavesBracketsQuotesAndPathsAlone)
{
    struct Case
    {
        const char* text;
        QStringList found;
    };
    const Case cases[] = {
        {"无法读取文件：/a/b c/1.dat（Permission denied）", {}},
        {"课文文件格式有误：/p/3.dat\n第 2 句：只有 5 个“#”", {}},
        {"语音合成 espeak-ng 没有 \"en us\" 语音", {}},
        {"找不到课文。\n\nThe lesson file \"/p/1.dat\" does not exist.",
         {QStringLiteral("The lesson file   does not exist")}},
        {"Cannot read \"/p/1.dat\": it is a folder",
         {QStringLiteral("Cannot read"), QStringLiteral("it is a folder")}},
        {"/p/Book/Kelvaro/1.dat", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sentencesWithoutChinese(QString::fromUtf8(c.text)), c.found) << c.text;
}

struct Refusal
{
    const char* name;
    std::function<QString(const QString& root)> message; ///< the refusal, made under root
    QString file;                                        ///< what it names, below root
};

TEST(ContentRefusals, AreChineseAndNameTheirFile)
{
    const auto path = [](const QString& root, const char* relative) {
        return root + QLatin1Char('/') + QLatin1String(relative);
    };
    const auto lesson = [](const char* text) {
        return [text](const QString& root) {
            return parseLesson(QString::fromUtf8(text), root + QStringLiteral("/3.dat")).error();
        };
    };
    const Refusal refusals[] = {
        {"missing text file",
         [&](const QString& root) { return readTextFile(path(root, "gone.dat")).error(); },
         QStringLiteral("gone.dat")},
        {"text file that is a folder",
         [&](const QString& root) {
             QDir().mkpath(path(root, "dir.dat"));
             return readTextFile(path(root, "dir.dat")).error();
         },
         QStringLiteral("dir.dat")},
        {"text file that cannot be written",
         [&](const QString& root) {
             QDir().mkpath(path(root, "taken.dat"));
             return writeTextFile(path(root, "taken.dat"), QStringLiteral("x")).error();
         },
         QStringLiteral("taken.dat")},
        {"empty lesson", lesson(""), QStringLiteral("3.dat")},
        {"lesson without its first star", lesson("^Hi$hi$^#x#0#1###*"), QStringLiteral("3.dat")},
        {"lesson without its last star", lesson("*^Hi$hi$^#x#0#1###"), QStringLiteral("3.dat")},
        {"lesson of five hashes", lesson("*^Hi$hi$^#x#0#1##*"), QStringLiteral("3.dat")},
        {"lesson without carets", lesson("*Hi#x#0#1###*"), QStringLiteral("3.dat")},
        {"lesson of one dollar", lesson("*^Hi$hi^#x#0#1###*"), QStringLiteral("3.dat")},
        {"book list",
         [&](const QString& root) {
             return parseBookList(QStringLiteral("Kelvaro"), path(root, "Kelvaro.dat")).error();
         },
         QStringLiteral("Kelvaro.dat")},
        {"unreadable settings",
         [&](const QString& root) {
             QString notice;
             loadSettings(path(root, "Set.dat"), &notice);
             return notice;
         },
         QStringLiteral("Set.dat")},
        {"incomplete settings",
         [&](const QString& root) {
             writeTextFile(path(root, "Set.dat"), QStringLiteral("1"));
             QString notice;
             loadSettings(path(root, "Set.dat"), &notice);
             return notice;
         },
         QStringLiteral("Set.dat")},
        {"dictionary",
         [&](const QString& root) { return Dictionary::load(path(root, "Dic.dat")).error(); },
         QStringLiteral("Dic.dat")},
        {"given folder missing",
         [&](const QString& root) { return checkGivenFolder(path(root, "nowhere")).error(); },
         QStringLiteral("nowhere")},
        {"given folder a file",
         [&](const QString& root) {
             writeTextFile(path(root, "plain"), QStringLiteral("x"));
             return checkGivenFolder(path(root, "plain")).error();
         },
         QStringLiteral("plain")},
        {"given folder without a book list",
         [&](const QString& root) {
             QDir().mkpath(path(root, "bare"));
             return checkGivenFolder(path(root, "bare")).error();
         },
         QStringLiteral("bare")},
        {"no data folder", [&](const QString&) { return chooseProgramFolder({}).error(); },
         QString()},
        {"no demo content",
         [&](const QString& root) {
             return chooseProgramFolder({{}, {}, path(root, "data"), {path(root, "demo")}}).error();
         },
         QStringLiteral("data")},
        {"copy from nowhere",
         [&](const QString& root) {
             return copyProgramFolder(path(root, "nowhere"), path(root, "to")).error();
         },
         QStringLiteral("nowhere")},
        {"copy into a file",
         [&](const QString& root) {
             QDir().mkpath(path(root, "from"));
             writeTextFile(path(root, "file"), QStringLiteral("x"));
             return copyProgramFolder(path(root, "from"), path(root, "file/to")).error();
         },
         QStringLiteral("file/to")},
        {"copy mark",
         [&](const QString& root) {
             QDir().mkpath(path(root, "copy/.kelvaro-copy-of"));
             return markCopyOf(path(root, "copy"), root).error();
         },
         QStringLiteral("copy")},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString message = r.message(dir.path());
        ASSERT_FALSE(message.isEmpty());
        EXPECT_EQ(sentencesWithoutChinese(message), QStringList()) << message.toStdString();
        if (!r.file.isEmpty())
            EXPECT_TRUE(message.contains(dir.path() + QLatin1Char('/') + r.file))
                << message.toStdString();
    }
}

} // namespace
