// Word clicks, the popup, key words, notes and the online link, headless with the fakes.
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/SentenceDisplay.h"
#include "app/WordTools.h"
#include "content/Lesson.h"
#include "content/TextFile.h"
#include "modes/WordLookup.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <functional>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// Labels of sentence 1: Hello, ", ", Tom, "."; full-text cells 1-4, end marker 5.
const QString kHelloTom = lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$^.^"),
                                       QStringLiteral("你好，汤姆。"), "0.1", "1.2");
// Labels of sentence 2: "The ", books (a key word), " are " (no word: it begins with a blank),
// walking (an inflected dictionary form), "."; full-text cells 6-10, end marker 11.
const QString kBooksWalking =
    lessonRecord(QStringLiteral("^The $the$^books$book$◆^ are $be$^walking$walking$^.^"),
                 QStringLiteral("书在走路。"), "1.5", "2.9", QStringLiteral("一条注释"), "1");

// A word that is not in the dictionary; cells 12-13, end marker 14.
const QString kZebras =
    lessonRecord(QStringLiteral("^Zebras$zebras$^.^"), QStringLiteral("斑马。"), "3", "4");

constexpr int kGreen = 0x00FF00; // a colour value of the files: red in the low byte
const Rgb kGreenRgb = makeRgb(0, 255, 0);

class WordToolsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::SentenceBrowse);
        settings.keyWordColour = kGreen;
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText(records)));
        ASSERT_TRUE(shell.startUp());
        windowMoved(context(), QPoint(100, 50)); // the window at (1500, 750) twips
        shell.screen.setPointer(QPoint(400, 300));
        shell.wordPlayer.clearCalls();
        shell.lessonPlayer.clearCalls();
    }

    MainContext& context() { return shell.context(); }
    MainState& state() { return shell.state(); }
    const WordPopupView& popup() { return state().wordPopup; }

    void show(int sentence)
    {
        state().CurrentSentence = sentence;
        showSentence(context());
    }
    void holdCtrl() { keyPressed(context(), WindowKey::Ctrl); }

    /// The lesson file as the program reads it back.
    QStringList recordsInFile()
    {
        const auto text = readTextFile(shell.lessonPath(1));
        EXPECT_TRUE(text.ok()) << text.error().toStdString();
        const auto lesson = parseLesson(text.ok() ? text.value() : QString(), shell.lessonPath(1));
        EXPECT_TRUE(lesson.ok()) << lesson.error().toStdString();
        return lesson.ok() ? lesson->records : QStringList();
    }
    /// The lesson file's bytes as they are on the disk.
    QByteArray fileBytes()
    {
        QFile file(shell.lessonPath(1));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    /// The recording the word player was last given once wordDelayTimer has fired ("t/tom.wav").
    QString spokenFile()
    {
        shell.clock.advance(10);
        QString file;
        for (const QString& call : shell.wordPlayer.calls()) {
            if (call.startsWith(QStringLiteral("setFile ")))
                file = call.mid(8).section(u'/', -2);
        }
        shell.wordPlayer.clearCalls();
        return file;
    }

    /// The lesson's records with record s (1-based) replaced.
    QStringList recordsWith(int s, const QString& record)
    {
        QStringList changed = records;
        changed[s - 1] = record;
        return changed;
    }

    const QStringList records{kHelloTom, kBooksWalking, kZebras};
    ShellFixture shell;
};

} // namespace

TEST_F(WordToolsTest, CtrlClickMarksTheWordInBothViewsAndTheFileAndASecondClickRemovesExactlyIt)
{
    show(1);
    holdCtrl();
    sentenceWordClicked(context(), 3); // Tom

    QString marked = kHelloTom;
    marked.replace(QStringLiteral("$tom$"), QStringLiteral("$tom$◆"));
    EXPECT_EQ(recordsInFile(), recordsWith(1, marked));
    EXPECT_EQ(state().sentence.SenWordLabel[3].foreground, kGreenRgb);
    EXPECT_EQ(state().fullText.AllWordTextLabel[3].foreground, kGreenRgb);
    EXPECT_EQ(state().KeyWordCount, 2);
    // The word is still looked up, shown and spoken.
    EXPECT_TRUE(popup().visible);
    EXPECT_EQ(popup().WordEnglishTextLabel, QStringLiteral("tom"));
    EXPECT_EQ(spokenFile(), QStringLiteral("t/tom.wav"));

    sentenceWordClicked(context(), 3);
    EXPECT_EQ(recordsInFile(), records);
    EXPECT_EQ(state().sentence.SenWordLabel[3].foreground, kBlack);
    EXPECT_EQ(state().fullText.AllWordTextLabel[3].foreground, kBlack);
    EXPECT_EQ(state().KeyWordCount, 1);

    // Marks made in the file come back as coloured labels on the next showing.
    sentenceWordClicked(context(), 3);
    show(2);
    show(1);
    EXPECT_EQ(state().sentence.SenWordLabel[3].foreground, kGreenRgb);
}

TEST_F(WordToolsTest, ClicksWithoutCtrlLookUpAndSpeakButNeverWriteAndNonWordsDoNothing)
{
    show(2);
    const QByteArray before = fileBytes();
    sentenceWordClicked(context(), 3); // " are ": no word
    sentenceWordClicked(context(), 5); // "."
    EXPECT_FALSE(popup().visible);
    EXPECT_EQ(spokenFile(), QString());

    sentenceWordClicked(context(), 2); // books: marked already, Ctrl not held
    EXPECT_TRUE(popup().visible);
    EXPECT_EQ(popup().WordEnglishTextLabel, QStringLiteral("book"));
    EXPECT_EQ(popup().WordPronTextLabel, QStringLiteral("buk"));
    // The meaning keeps its line break, and the popup is two meaning lines high.
    EXPECT_EQ(popup().WordChineseTextLabel, QStringLiteral("n. 书\nv. 预订"));
    EXPECT_EQ(popup().meaning.height, 2 * FakeTextMeasurer::kLineHeight);
    EXPECT_EQ(state().sentence.SenWordLabel[2].foreground, kGreenRgb);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(WordToolsTest, AnInflectedWordShowsItsBaseFormAndTheLinkStandsFurtherRight)
{
    show(2);
    sentenceWordClicked(context(), 4); // walking$walking$: only "walk" is in the dictionary
    EXPECT_TRUE(popup().found);
    EXPECT_EQ(popup().WordEnglishTextLabel, QStringLiteral("walk"));
    EXPECT_EQ(popup().WordPronTextLabel, QStringLiteral("wɔ:k"));
    EXPECT_EQ(popup().WordChineseTextLabel, QStringLiteral("v. 走"));
    EXPECT_EQ(popup().headword.width, FakeTextMeasurer::widthOf(QStringLiteral("walk")));
    EXPECT_EQ(popup().link.left, popup().headword.right() + 110);
    EXPECT_EQ(spokenFile(), QStringLiteral("w/walk.wav"));

    show(1);
    sentenceWordClicked(context(), 1); // Hello$hello$: a direct hit
    EXPECT_EQ(popup().link.left, popup().headword.right() + 90);
}

TEST_F(WordToolsTest, AWordNotFoundShowsItselfStopsTheWordPlayerAndStillAsksForItsRecording)
{
    show(3);
    sentenceWordClicked(context(), 1);
    EXPECT_FALSE(popup().found);
    EXPECT_EQ(popup().WordEnglishTextLabel, QStringLiteral("zebras"));
    EXPECT_EQ(popup().WordPronTextLabel, QString());
    EXPECT_EQ(popup().WordChineseTextLabel, QStringLiteral("<没找到!>"));
    EXPECT_EQ(popup().link.left, popup().headword.right() + 90);
    EXPECT_EQ(shell.wordPlayer.calls(), QStringList{"stop"});
    EXPECT_EQ(spokenFile(), QStringLiteral("z/zebras.wav"));
}

TEST_F(WordToolsTest, ThePopupGrowsForALongHeadwordAndFlipsAtTheWindowsRightAndBottomEdges)
{
    // "tom": link 570..1290, inside the 2295 twips; height 90 + 300 + 15 + 390 + 45 + 300 + 120.
    show(1);
    const struct
    {
        QPoint pointer; // pixels; the window stands at (1500, 750) twips, 12000 x 8550
        int left, top;
    } cases[] = {
        {{400, 300}, 6000 - 1500 + 230, 4500 - 750 + 230},
        {{730, 300}, 9680, 3980},                    // 9680 + 2295 still fits
        {{740, 300}, 11100 - 1500 - 2295, 3980},     // flips to the pointer's left
        {{400, 520}, 4730, 7800 - 750 + 230},        // 7280 + 1260 still fits
        {{400, 530}, 4730, 7950 - 210 - 750 - 1260}, // flips above the pointer
        {{740, 530}, 11100 - 1500 - 2295, 7950 - 210 - 750 - 1260},
        // A pointer outside the window (a lookup by key) keeps the popup inside it.
        {{1200, 700}, 12000 - 2295, 8550 - 1260},
        {{-50, -50}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pointer.x() * 1000 + c.pointer.y());
        shell.screen.setPointer(c.pointer);
        sentenceWordClicked(context(), 3);
        EXPECT_EQ(popup().geometry, (TwipRect{c.left, c.top, 2295, 1260}));
    }

    // A headword whose link would end past 2295 widens the popup to the link's end + 75.
    const QString longWord(20, u'x');
    WordPopupView& view = state().wordPopup;
    fillWordPopup(view, context().dictionary.lookUpWord(longWord), shell.measurer);
    EXPECT_EQ(view.link.left, 120 + 20 * 120 + 90);
    EXPECT_EQ(view.geometry.width, view.link.right() + 75);
    EXPECT_EQ(view.meaning.width, view.geometry.width - 240);
}

TEST(WordPopupWrap, MeaningLinesFollowBlanksChineseCharactersAndLineBreaks)
{
    FakeTextMeasurer measurer; // 120 twips an ASCII character, 240 any other
    const struct
    {
        const char* text;
        int width;
        int lines;
    } cases[] = {
        {"", 1000, 1},
        {"n. 书", 1000, 1},
        {"n. 书\r\nv. 预订", 1000, 2},
        {"n. 书\n\nv. 预订", 1000, 3},
        {"一二三四五六七八九十", 1200, 2}, // breaks between any two Chinese characters
        {"aaaa bbbb", 600, 2},             // at the blank, not inside a word
        {"aaaa bbbb", 480, 2},             // the blank at a line's end takes no room
        {"aaaa bbbb", 1080, 1},
        {"一二三，四五", 720, 3},               // "，" never starts a line: "三，" moves down
        {"aaaaaaaaaaaaaaaaaaaaaaaaa", 1200, 3}, // one word wider than two lines
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(wrappedLineCount(QString::fromUtf8(c.text), c.width, TextFont::TranslationChinese,
                                   measurer),
                  c.lines);
    }
}

TEST_F(WordToolsTest, FullTextRightReleaseShowsTheWordAndOnlyCtrlWithTheRightButtonToggles)
{
    state().ModeIndex = Mode::FullText;
    holdCtrl();
    const QByteArray before = fileBytes();

    const int walking = 9;
    ASSERT_EQ(state().fullText.AllWordTextLabel[walking].caption, QStringLiteral("walking"));
    fullTextWordReleased(context(), 2); // ", ": not a word cell
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_FALSE(popup().visible);
    EXPECT_EQ(fileBytes(), before);

    fullTextWordReleased(context(), walking);
    EXPECT_EQ(state().CurrentSentence, 2);
    EXPECT_EQ(state().ClickedWordNumber, 4);
    QString marked = kBooksWalking;
    marked.replace(QStringLiteral("$walking$"), QStringLiteral("$walking$◆"));
    EXPECT_EQ(recordsInFile(), recordsWith(2, marked));
    EXPECT_EQ(state().fullText.AllWordTextLabel[walking].foreground, kGreenRgb);
    EXPECT_EQ(state().sentence.SenWordLabel[4].foreground, kGreenRgb); // the mirrored label
    EXPECT_TRUE(popup().visible);
    EXPECT_EQ(popup().WordEnglishTextLabel, QStringLiteral("walk"));
    // The lesson waits paused at the sentence's start; the reading timer is off.
    EXPECT_EQ(shell.lessonPlayer.calls(),
              (QStringList{"setEndFence 2.9", "setPosition 1.5", "play", "pause"}));
    EXPECT_FALSE(context().timers.ReadTimer->isEnabled());
    EXPECT_EQ(spokenFile(), QStringLiteral("w/walk.wav"));

    // Without Ctrl the release shows the word and leaves the file alone.
    keyReleased(context());
    const QByteArray marks = fileBytes();
    fullTextWordReleased(context(), 3); // Tom
    EXPECT_EQ(state().CurrentSentence, 1);
    EXPECT_EQ(popup().WordEnglishTextLabel, QStringLiteral("tom"));
    EXPECT_EQ(fileBytes(), marks);
}

// With the key-word colour equal to the normal word colour a marked word could never be
// unmarked: the label's colour decided, and it always looked plain.
TEST_F(WordToolsTest, WithTheKeyWordColourOfPlainWordsCtrlClicksStillMarkAndUnmarkByTheRecord)
{
    state().options.keyWordColour = 0; // black, as the labels' template
    QString marked = kHelloTom;
    marked.replace(QStringLiteral("$tom$"), QStringLiteral("$tom$◆"));
    show(1);
    holdCtrl();
    const struct
    {
        const char* how;
        std::function<void()> click;
    } gestures[] = {
        {"sentence view", [this] { sentenceWordClicked(context(), 3); }},
        {"full-text view", [this] { fullTextWordReleased(context(), 3); }},
    };
    for (const auto& gesture : gestures) {
        SCOPED_TRACE(gesture.how);
        gesture.click();
        EXPECT_EQ(state().record(1), marked);
        EXPECT_EQ(recordsInFile(), recordsWith(1, marked));
        EXPECT_EQ(state().KeyWordCount, 2);
        gesture.click();
        EXPECT_EQ(state().record(1), kHelloTom);
        EXPECT_EQ(recordsInFile(), records);
        EXPECT_EQ(state().KeyWordCount, 1);
        EXPECT_EQ(state().sentence.SenWordLabel[3].foreground, kBlack);
        EXPECT_EQ(state().fullText.AllWordTextLabel[3].foreground, kBlack);
    }
    // Marked once more, then shown in green: the views follow the record, not the old colour.
    sentenceWordClicked(context(), 3);
    shell.dialogs.setChosenColour(kGreen);
    chooseKeyWordColour(context());
    EXPECT_EQ(state().sentence.SenWordLabel[3].foreground, kGreenRgb);
    EXPECT_EQ(state().fullText.AllWordTextLabel[3].foreground, kGreenRgb);
    EXPECT_EQ(state().fullText.AllWordTextLabel[7].foreground, kGreenRgb); // books
    EXPECT_EQ(state().sentence.SenWordLabel[1].foreground, kBlack);
}

TEST_F(WordToolsTest, LeavingTheNoteBoxWritesTheNoteAsTypedSafelyAndItShowsTrimmedNextTime)
{
    const struct
    {
        const char* typed;
        const char* stored;
    } cases[] = {
        {"  leading blanks stay ", "  leading blanks stay "},
        {"5*3 #1", "5＊3 ＃1"},
        {"line one\nline two\r\nthree\u2029four", "line one line two three four"},
        {"", ""},
    };
    show(2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        saveSentenceNote(context(), QString::fromUtf8(c.typed));
        const QString stored = QString::fromUtf8(c.stored);
        EXPECT_EQ(
            recordsInFile(),
            recordsWith(2, lessonRecord(QStringLiteral("^The $the$^books$book$◆^ are "
                                                       "$be$^walking$walking$^.^"),
                                        QStringLiteral("书在走路。"), "1.5", "2.9", stored, "1")));
        EXPECT_EQ(state().sentence.SenNoteText.caption, stored); // the box keeps what was typed
        show(1);
        show(2);
        EXPECT_EQ(state().sentence.SenNoteText.caption, stored.trimmed());
        EXPECT_EQ(state().sentence.NoneNotePictureVisible, stored.trimmed().isEmpty());
    }
}

TEST_F(WordToolsTest, LeavingTheNoteBoxUnchangedStillRewritesTheFile)
{
    show(1);
    ASSERT_FALSE(fileBytes().startsWith("{\\rtf")); // written as plain code page 936
    leaveNoteBox(context(), 1, QString());
    EXPECT_TRUE(fileBytes().startsWith("{\\rtf"));
    EXPECT_EQ(recordsInFile(), records);
}

TEST_F(WordToolsTest, ANoteAfterAToggleReplacesOnlyTheNoteAndAnEarlierSentenceKeepsItsOwnDone)
{
    show(2);
    holdCtrl();
    sentenceWordClicked(context(), 4);
    keyReleased(context());
    saveSentenceNote(context(), QStringLiteral("new note"));
    const QString english =
        QStringLiteral("^The $the$^books$book$◆^ are $be$^walking$walking$◆^.^");
    const QString second =
        lessonRecord(english, QStringLiteral("书在走路。"), "1.5", "2.9", "new note", "1");
    EXPECT_EQ(recordsInFile(), recordsWith(2, second));

    // A note typed under sentence 1 and left after the sentence moved on goes to sentence 1.
    leaveNoteBox(context(), 1, QStringLiteral("for the first"));
    const QString first =
        lessonRecord(QStringLiteral("^Hello$hello$^, ^Tom$tom$^.^"), QStringLiteral("你好，汤姆。"),
                     "0.1", "1.2", "for the first");
    EXPECT_EQ(recordsInFile(), (QStringList{first, second, kZebras}));
    EXPECT_EQ(state().sentence.SenNoteText.caption, QStringLiteral("new note"));
}

TEST_F(WordToolsTest, AFailedWriteNamesTheFileKeepsTheTextAndALaterSaveWritesIt)
{
    show(2);
    // The book's folder becomes a file: nothing can be written into it.
    const QString book = shell.folder.path(QStringLiteral("Book/Kelvaro"));
    ASSERT_TRUE(QDir(book).removeRecursively());
    ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("Book/Kelvaro"), "not a folder"));
    shell.dialogs.clear();

    saveSentenceNote(context(), QStringLiteral("typed before the failure"));
    ASSERT_EQ(shell.dialogs.messages().size(), 1);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, FakeDialogs::Kind::Warning);
    EXPECT_TRUE(shell.dialogs.messages()[0].text.contains(shell.lessonPath(1)));
    EXPECT_EQ(state().sentence.SenNoteText.caption, QStringLiteral("typed before the failure"));

    // Once the folder is back, the next save (a key word here) writes the note too.
    ASSERT_TRUE(shell.folder.remove(QStringLiteral("Book/Kelvaro")));
    ASSERT_TRUE(QDir().mkpath(book));
    holdCtrl();
    sentenceWordClicked(context(), 4);
    const QStringList inFile = recordsInFile();
    ASSERT_EQ(inFile.size(), 3);
    EXPECT_EQ(recordField(inFile[1], 5), QStringLiteral("typed before the failure"));
    EXPECT_TRUE(inFile[1].contains(QStringLiteral("$walking$◆")));
    EXPECT_EQ(shell.dialogs.messages().size(), 1);
}

TEST_F(WordToolsTest, AChosenKeyWordColourRecoloursEveryMarkAndACancelChangesNothing)
{
    show(2);
    holdCtrl();
    sentenceWordClicked(context(), 4); // walking joins books as a key word
    const Rgb red = makeRgb(255, 0, 0);
    shell.dialogs.setChosenColour(0x0000FF);
    chooseKeyWordColour(context());
    shell.dialogs.setChosenColour(std::nullopt);
    chooseKeyWordColour(context());

    EXPECT_EQ(shell.dialogs.colourRequests(), (QVector<int>{kGreen, 0x0000FF}));
    EXPECT_EQ(state().options.keyWordColour, 0x0000FF);
    const ElementArray& words = state().sentence.SenWordLabel;
    const ElementArray& cells = state().fullText.AllWordTextLabel;
    for (int k = 1; k < words.size(); ++k) {
        SCOPED_TRACE(k);
        const Rgb expected = (k == 2 || k == 4) ? red : kBlack;
        EXPECT_EQ(words[k].foreground, expected);
        EXPECT_EQ(cells[5 + k].foreground, expected);
    }
    for (int cell = 1; cell <= 4; ++cell)
        EXPECT_EQ(cells[cell].foreground, kBlack);
}

TEST_F(WordToolsTest, TheLinkPressesInAndOpensTheWordsPageAsOneEscapedPathElement)
{
    const struct
    {
        const char* word;
        const char* address;
    } cases[] = {
        {"walk", "https://dict.youdao.com/w/eng/walk"},
        {"ice cream", "https://dict.youdao.com/w/eng/ice%20cream"},
        {"don't", "https://dict.youdao.com/w/eng/don%27t"},
        {"a/b?c#d", "https://dict.youdao.com/w/eng/a%2Fb%3Fc%23d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        state().wordPopup.WordEnglishTextLabel = QString::fromUtf8(c.word);
        const qsizetype opened = shell.desktop.addresses().size();
        pressWordLink(context());
        EXPECT_TRUE(popup().linkPressed);
        EXPECT_EQ(shell.desktop.addresses().size(), opened); // the page opens on release
        releaseWordLink(context());
        EXPECT_FALSE(popup().linkPressed);
        ASSERT_EQ(shell.desktop.addresses().size(), opened + 1);
        const QString address = shell.desktop.addresses().last();
        EXPECT_EQ(address, QString::fromUtf8(c.address));
        const QUrl url(address, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid());
        // The word comes back whole from the address's last path element.
        const QString last = url.path(QUrl::FullyEncoded).section(u'/', -1);
        EXPECT_EQ(QUrl::fromPercentEncoding(last.toUtf8()), QString::fromUtf8(c.word));
    }
}
