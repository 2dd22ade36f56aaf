// The word popup, key words and the note box in the real window, headless.
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"
#include "ui/TabBar.h"
#include "ui/Twips.h"

#include "app/MainController.h"
#include "app/WordSpeaking.h"
#include "content/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeWordVoice.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

class WordPopupTest : public WindowFixture
{
protected:
    QString lessonText()
    {
        const auto text = readTextFile(folder().path(QStringLiteral("Book/Kelvaro/1.dat")));
        return text.ok() ? text.value() : QString();
    }
};

} // namespace

TEST_F(WordPopupTest, AWordClickShowsThePopupAndCtrlMarksTheWordInTheFile)
{
    openTab(Mode::SentenceBrowse); // sentence 1: Hello, ", ", Tom, "."
    auto* canvas = child<QWidget>(QStringLiteral("SenWordCanvas"));
    auto* popup = child<QWidget>(QStringLiteral("WordPicture"));
    ASSERT_NE(canvas, nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->isVisible());

    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(state().sentence.SenWordLabel[3]));
    ASSERT_TRUE(popup->isVisible());
    auto* headword = child<QLabel>(QStringLiteral("WordEnglishTextLabel"));
    auto* pronunciation = child<QLabel>(QStringLiteral("WordPronTextLabel"));
    auto* meaning = child<QLabel>(QStringLiteral("WordChineseTextLabel"));
    auto* link = child<QLabel>(QStringLiteral("WebWordFindLabel"));
    EXPECT_EQ(headword->text(), QStringLiteral("tom"));
    EXPECT_EQ(pronunciation->text(), QStringLiteral("tɔm"));
    EXPECT_EQ(meaning->text(), QStringLiteral("n. 汤姆"));
    EXPECT_EQ(link->text(), QStringLiteral("<词典>"));
    EXPECT_GT(link->x(), headword->geometry().right());
    EXPECT_TRUE(window().rect().contains(popup->geometry()));
    // Every phonetic symbol is in the pronunciation's own font, not left to a fallback.
    const QFontMetrics metrics(pronunciation->font());
    for (const char32_t c : pronunciation->text().toUcs4())
        EXPECT_TRUE(metrics.inFontUcs4(c)) << std::hex << quint32(c);
    EXPECT_FALSE(lessonText().contains(QStringLiteral("$tom$◆")));
    // The headword is in Times New Roman (its metric twin here), like the full-text words; it
    // was drawn in Arial.
    EXPECT_EQ(headword->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(QFontInfo(headword->font()).family(),
              QFontInfo(fontFor(TextFont::FullTextWord)).family());
    EXPECT_NE(QFontInfo(headword->font()).family(),
              QFontInfo(fontFor(TextFont::SentenceWord)).family());

    // Ctrl held through the window's keys: the click marks the word in the file at once.
    QTest::keyPress(window().windowHandle(), Qt::Key_Control);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(state().sentence.SenWordLabel[3]));
    QTest::keyRelease(window().windowHandle(), Qt::Key_Control);
    EXPECT_TRUE(lessonText().contains(QStringLiteral("$tom$◆")));
    EXPECT_NE(state().sentence.SenWordLabel[3].foreground,
              state().sentence.SenWordLabel[0].foreground);

    // A click beside the words hides the popup.
    QTest::mouseClick(canvas, Qt::LeftButton, {},
                      QPoint(canvas->width() - 5, canvas->height() / 2));
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(WordPopupTest, ANoteTypedUnderASentenceIsInTheFileWhenTheBoxLosesTheFocus)
{
    openTab(Mode::SentenceBrowse);
    auto* placeholder = child<QLabel>(QStringLiteral("NoneNoteLabel"));
    auto* note = child<QPlainTextEdit>(QStringLiteral("SenNoteText"));
    ASSERT_TRUE(placeholder->isVisible()); // sentence 1 has no note
    QTest::mouseClick(placeholder, Qt::LeftButton);
    EXPECT_FALSE(placeholder->isVisible());
    ASSERT_TRUE(note->hasFocus());

    QTest::keyClicks(note, QStringLiteral("  keep*this"));
    QTest::keyClick(note, Qt::Key_Return); // ends the editing: a note is one line
    EXPECT_FALSE(note->hasFocus());
    EXPECT_EQ(note->toPlainText(), QStringLiteral("  keep＊this"));
    EXPECT_TRUE(lessonText().contains(QStringLiteral("#  keep＊this##*")));
}

TEST_F(WordPopupTest, TheFullTextOptionsMenuChoosesTheKeyWordColourAndExplainsTheMarks)
{
    openTab(Mode::FullText);
    auto* settings = child<QLabel>(QStringLiteral("AllSetImage"));
    ASSERT_NE(settings, nullptr);
    ASSERT_TRUE(settings->isVisible());
    QTest::mouseClick(settings, Qt::LeftButton);
    auto* menu = child<QMenu>(QStringLiteral("AllModeSet"));
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(menu->findChild<QMenu*>(QStringLiteral("AllModeRead")), nullptr);
    EXPECT_NE(menu->findChild<QMenu*>(QStringLiteral("AllReadTime")), nullptr);

    dialogs.setChosenColour(0x0000FF); // red
    menu->findChild<QAction*>(QStringLiteral("KeyWordColor"))->trigger();
    menu->findChild<QAction*>(QStringLiteral("SetKeyWord"))->trigger();
    menu->close();
    EXPECT_EQ(state().options.keyWordColour, 0x0000FF);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(
        dialogs.messages()[0].text,
        QStringLiteral("按住键盘上的Ctrl键，用鼠标右键点击单词即可将其设为重点词，再点击则取消。"));
    // "books" of sentence 2 is a key word of the test lesson: it takes the new colour.
    const ElementArray& cells = state().fullText.AllWordTextLabel;
    int books = 0;
    for (int i = 1; i < cells.size(); ++i)
        books = cells[i].caption == QLatin1String("books") ? i : books;
    ASSERT_GT(books, 0);
    EXPECT_EQ(cells[books].foreground, makeRgb(255, 0, 0));

    // A right click on a full-text word shows it in the popup.
    auto* canvas = child<QWidget>(QStringLiteral("AllWordMainPicture"));
    QTest::mouseClick(canvas, Qt::RightButton, {},
                      centre(cells[books], state().fullText.scroll.page.top));
    EXPECT_TRUE(child<QWidget>(QStringLiteral("WordPicture"))->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("WordEnglishTextLabel"))->text(),
              QStringLiteral("book"));
}

TEST_F(WordPopupTest, AWordTheFolderLacksShowsTheMarkedOpenEntryAndIsSpokenByTheVoice)
{
    // The folder's dictionary without "hello"; the open dictionary holds it.
    MainContext& context = controller().context();
    context.dictionary = Dictionary(QStringLiteral("$tom[tɔm]n. 汤姆$"));
    FakeWordVoice voice;
    context.openWords.attach(
        OpenDictionary("@words\nhello\tn\t你好\tn:an expression of greeting\n"), &voice);
    openTab(Mode::SentenceBrowse); // sentence 1: Hello, ", ", Tom, "."
    auto* canvas = child<QWidget>(QStringLiteral("SenWordCanvas"));
    auto* mark = child<QLabel>(QStringLiteral("OpenDictionaryLabel"));
    ASSERT_NE(mark, nullptr);

    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(state().sentence.SenWordLabel[1]));
    auto* popup = child<QWidget>(QStringLiteral("WordPicture"));
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("WordEnglishTextLabel"))->text(),
              QStringLiteral("hello"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("WordPronTextLabel"))->text(),
              QStringLiteral("/hello/"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("WordChineseTextLabel"))->text(),
              QStringLiteral("你好\nn. an expression of greeting"));
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->text(), QStringLiteral("开放词典"));
    EXPECT_TRUE(popup->rect().contains(mark->geometry()));
    EXPECT_FALSE(
        mark->geometry().intersects(child<QLabel>(QStringLiteral("WebWordFindLabel"))->geometry()));
    speakPendingWord(context); // what wordDelayTimer does 10 ms later
    EXPECT_EQ(context.ports.wordPlayer.file(), FakeWordVoice::path(QStringLiteral("hello")));

    // The folder's word: no mark, its own entry.
    QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(state().sentence.SenWordLabel[3]));
    EXPECT_EQ(child<QLabel>(QStringLiteral("WordChineseTextLabel"))->text(),
              QStringLiteral("n. 汤姆"));
    EXPECT_FALSE(mark->isVisible());
}
