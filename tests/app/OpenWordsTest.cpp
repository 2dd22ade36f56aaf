// Words the folder's dictionary lacks: the open dictionary's entry in the popup and the hint
// rows, spoken by the open voice through the word player; the folder's words as before.
#include "FakeWordVoice.h"
#include "LessonTexts.h"
#include "QtPrinters.h"
#include "ShellFixture.h"

#include "app/CommandTable.h"
#include "app/SentenceDisplay.h"
#include "app/WordTools.h"
#include "modes/WordLookup.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kOpenFixture = QStringLiteral(KELVARO_TEST_DATA "/open/open-dictionary.txt");

// Labels: 1 Children (key word, lemma "children": no folder entry), 2 went (key word), 3 ".";
// then 1 Good (key word, the folder's), 2 book, 3 ".".
const QString kChildrenWent = lessonRecord(QStringLiteral("^Children $children$◆^went$went$◆^.^"),
                                           QStringLiteral("孩子们走了。"), "0.1", "1.2");
const QString kGoodBook = lessonRecord(QStringLiteral("^Good $good$◆^book$book$^.^"),
                                       QStringLiteral("好书。"), "1.5", "2.5");

class OpenWordsTest : public ::testing::Test
{
protected:
    void start(ShellFixture& shell, Mode mode, bool open)
    {
        ASSERT_TRUE(shell.folder.isValid());
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(mode);
        ASSERT_TRUE(shell.writeSettings(settings));
        ASSERT_TRUE(shell.writeLesson(1, lessonText({kChildrenWent, kGoodBook})));
        if (open)
            shell.context().openWords.attach(kOpenFixture, &voice);
        ASSERT_TRUE(shell.startUp());
        shell.wordPlayer.clearCalls();
    }
    void show(ShellFixture& shell, int sentence)
    {
        shell.state().CurrentSentence = sentence;
        showSentence(shell.context());
        shell.wordPlayer.clearCalls();
    }
    /// The word player's calls once wordDelayTimer has fired.
    QStringList spoken(ShellFixture& shell)
    {
        shell.clock.advance(10);
        const QStringList calls = shell.wordPlayer.calls();
        shell.wordPlayer.clearCalls();
        return calls;
    }

    ShellFixture shell;
    FakeWordVoice voice;
};

} // namespace

TEST_F(OpenWordsTest, AWordMissingFromTheFolderShowsTheOpenEntryAndIsSpokenByTheVoice)
{
    start(shell, Mode::SentenceBrowse, true);
    EXPECT_FALSE(shell.context().openWords.loaded()) << "nothing of it is read at start-up";
    sentenceWordClicked(shell.context(), 1);
    const WordPopupView& popup = shell.state().wordPopup;
    EXPECT_TRUE(popup.visible);
    EXPECT_TRUE(popup.found);
    EXPECT_TRUE(popup.openEntry);
    EXPECT_EQ(popup.WordEnglishTextLabel, QStringLiteral("child"));
    EXPECT_EQ(popup.WordPronTextLabel, QStringLiteral("/child/"));
    EXPECT_EQ(popup.WordChineseTextLabel,
              QStringLiteral("孩子，儿童\nn. a young person of either sex"));
    // The mark sits inside the wider popup, right of the link, on the headword's row.
    EXPECT_GE(popup.geometry.width, kOpenPopupWidth);
    EXPECT_GT(popup.openMark.left, popup.link.right());
    EXPECT_LE(popup.openMark.right(), popup.geometry.width);
    EXPECT_EQ(popup.openMark.top, popup.link.top);
    EXPECT_EQ(spoken(shell), (QStringList{QStringLiteral("setFile ") + FakeWordVoice::path("child"),
                                          "play", "setPosition 0"}));

    // An irregular verb: its base form.
    sentenceWordClicked(shell.context(), 2);
    EXPECT_EQ(popup.WordEnglishTextLabel, QStringLiteral("go"));
    EXPECT_TRUE(popup.WordChineseTextLabel.startsWith(QStringLiteral("去\nv. change location")));
    EXPECT_EQ(spoken(shell).value(0), QStringLiteral("setFile ") + FakeWordVoice::path("go"));
}

TEST_F(OpenWordsTest, AWordTheFolderHoldsLooksAsBeforeAndItsRecordingPlays)
{
    ASSERT_TRUE(shell.folder.writeBytes(QStringLiteral("Word/g/good.wav"), QByteArray("RIFF")));
    ShellFixture plain;
    ASSERT_TRUE(plain.folder.writeBytes(QStringLiteral("Word/g/good.wav"), QByteArray("RIFF")));
    start(shell, Mode::SentenceBrowse, true);
    start(plain, Mode::SentenceBrowse, false);
    show(shell, 2);
    show(plain, 2);
    sentenceWordClicked(shell.context(), 1);
    sentenceWordClicked(plain.context(), 1);
    const WordPopupView& a = shell.state().wordPopup;
    const WordPopupView& b = plain.state().wordPopup;
    EXPECT_FALSE(a.openEntry);
    EXPECT_EQ(a.WordEnglishTextLabel, b.WordEnglishTextLabel);
    EXPECT_EQ(a.WordPronTextLabel, b.WordPronTextLabel);
    EXPECT_EQ(a.WordChineseTextLabel, b.WordChineseTextLabel);
    EXPECT_EQ(a.geometry, b.geometry);
    EXPECT_EQ(a.link, b.link);
    EXPECT_EQ(a.meaning, b.meaning);
    EXPECT_EQ(a.openMark, TwipRect{});
    EXPECT_FALSE(shell.context().openWords.loaded()) << "the folder answered: no open file read";
    const QString good = QStringLiteral("setFile ") + shell.state().folder.wordRecording("good");
    EXPECT_EQ(spoken(shell), (QStringList{good, "play", "setPosition 0"}));
    EXPECT_TRUE(voice.calls().isEmpty());

    // The folder's word without a recording is spoken by the voice; without one it is silent.
    sentenceWordClicked(shell.context(), 2);
    sentenceWordClicked(plain.context(), 2);
    EXPECT_EQ(spoken(shell).value(0), QStringLiteral("setFile ") + FakeWordVoice::path("book"));
    EXPECT_EQ(spoken(plain).value(0),
              QStringLiteral("setFile ") + plain.state().folder.wordRecording("book"));
}

TEST_F(OpenWordsTest, TheFillInHintKeysWorkOnAnOpenWord)
{
    start(shell, Mode::FillIn, true);
    show(shell, 1);
    MainContext& context = shell.context();
    const FillInView& fillIn = shell.state().fillIn;
    ASSERT_EQ(fillIn.BlankWordNumber, 1);
    EXPECT_TRUE(keyPressed(context, WindowKey::F1));
    EXPECT_EQ(fillIn.CurrentWordTextLabel[1].caption, QStringLiteral("孩子，儿童"))
        << "one line: the Chinese";
    EXPECT_TRUE(keyPressed(context, WindowKey::F3));
    EXPECT_EQ(fillIn.CurrentWordTextLabel[2].caption, QStringLiteral("/child/"));
    EXPECT_TRUE(keyPressed(context, WindowKey::F4));
    EXPECT_EQ(fillIn.CurrentWordTextLabel[0].caption, QStringLiteral("child"));
    shell.wordPlayer.clearCalls();
    EXPECT_TRUE(keyPressed(context, WindowKey::F2));
    EXPECT_EQ(spoken(shell), (QStringList{QStringLiteral("setFile ") + FakeWordVoice::path("child"),
                                          "play", "setPosition 0"}));
}

TEST_F(OpenWordsTest, AWordNothingHoldsIsNotFoundAndASilentVoiceLeavesTheMissingRecording)
{
    voice.setSilent(true);
    start(shell, Mode::SentenceBrowse, true);
    MainContext& context = shell.context();
    lookUpWord(context, QStringLiteral("kelvaro"));
    EXPECT_FALSE(shell.state().wordPopup.found);
    EXPECT_FALSE(shell.state().wordPopup.openEntry);
    EXPECT_EQ(shell.state().wordPopup.WordChineseTextLabel, notFoundMeaning());
    EXPECT_EQ(shell.wordPlayer.calls(), QStringList{"stop"});
    // Found in the open dictionary, but the voice gives no file: the folder's path, silent.
    sentenceWordClicked(context, 1);
    EXPECT_TRUE(shell.state().wordPopup.WordPronTextLabel.isEmpty());
    shell.wordPlayer.clearCalls();
    EXPECT_EQ(spoken(shell).value(0),
              QStringLiteral("setFile ") + shell.state().folder.wordRecording("child"));
}
