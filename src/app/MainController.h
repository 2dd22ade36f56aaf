#pragma once

#include "CommandTable.h"
#include "MainContext.h"
#include "ModeSwitching.h"
#include "TranslationSelfTest.h"

#include <QObject>
#include <QPoint>

namespace kelvaro {

/// The window's handlers: each turns one user event into the operations it runs, then
/// tells the widgets to draw the state again.
class MainController : public QObject
{
    Q_OBJECT
public:
    explicit MainController(MainContext& context, QObject* parent = nullptr);

    MainContext& context() { return m_context; }
    const MainState& state() const { return m_context.state; }

    bool startUp();
    Status shutDown();
    /// Asks about changes whose files could not be written (see mayExit of ExitCheck.h); true
    /// when the window may close.
    bool mayExit();

    /// Where the window should move the keyboard focus now (once; None when nowhere).
    FocusTarget takeFocusRequest();

public slots:
    void treeNodeClicked(int node);
    void tabClicked(kelvaro::Mode mode);
    /// A panel's command button (the keys perform the same commands).
    void perform(kelvaro::Command command);
    void toggleSentenceChinese();
    void keyPressed(kelvaro::WindowKey key);
    void keyReleased();
    void maximise();
    void restore();
    /// A left release over full-text cell index: its sentence becomes current and plays.
    void fullTextCellReleased(int index);
    /// A click on the speaker icon of translation line or full-text line s.
    void sentenceSpeakerClicked(int sentence);
    // Read-after
    /// A click on the voice picture: that reading from that point (seconds into it).
    void voiceLessonClicked(double seconds);
    void voiceTakeClicked(double seconds);
    // Sentence browse menu
    void setRepeatCount(kelvaro::Mode mode, double count);
    void setRepeatPause(kelvaro::Mode mode, int milliseconds);
    void setPlayMode(int playMode);
    /// A press and release on a speaker icon of the translation page: the click sounds.
    void speakerPressed(int sentence);
    void speakerReleased(int sentence);
    /// The button went up away from the pressed speaker icon: it returns to rest, nothing plays.
    void speakerPressCancelled();
    /// The pointer moved over an area that takes the keyboard after a few moves.
    void pointerMovedOver(kelvaro::PointerArea area);
    /// The full-text page's "显示中文句子" check box.
    void toggleFullTextChinese();
    void scrollTranslation(int steps);
    void scrollFullText(int steps);
    // Word tools
    /// A click on word label k of the sentence view.
    void sentenceWordClicked(int k);
    /// A right-button release over full-text cell index.
    void fullTextCellRightReleased(int index);
    /// A click on a view's background: the word popup hides.
    void hideWordPopup();
    void wordLinkPressed();
    void wordLinkReleased();
    /// The note box lost the focus holding text typed for sentence.
    void sentenceNoteLeft(int sentence, const QString& text);
    void notePlaceholderClicked();
    void chooseKeyWordColour(); ///< "设置重点词颜色"
    void showKeyWordHelp();     ///< "添加/取消重点词"
    /// The window now stands at topLeft (screen pixels); nothing is drawn again.
    void windowMoved(QPoint topLeft);
    // Whole-lesson pages: continuous reading, the translation self-test, the thumbs
    /// A double click on full-text cell index.
    void fullTextCellDoubleClicked(int index);
    /// A mouse button pressed or released on a side of translation line s.
    void translationLinePressed(int sentence, kelvaro::TranslationSide side);
    void translationLineReleased(int sentence, kelvaro::TranslationSide side);
    void translationLineDoubleClicked(int sentence);
    void chooseRevealMode(int mode); ///< RS1..RS3
    /// A scroll thumb dragged to thumbTop twips below its up button.
    void translationThumbDragged(int thumbTop);
    void fullTextThumbDragged(int thumbTop);
    // Dictation (the handlers are in DictationController.cpp)
    void dictationTextChanged(const QString& text); ///< the learner changed WriteWordText
    void dictationKeyPressed();                     ///< a key in WriteWordText, before it lands
    void selectFreeSpelling();                      ///< "自由拼写模式"
    void selectDictationTest();                     ///< "听写测试模式"
    void setPassMark(int passMark);                 ///< "设置过关分数"
    void showScoringRules();                        ///< "查看评分标准"
    void toggleDictationChinese();                  ///< "显示中文" of the dictation test
    /// A key typed in WriteText before it lands; returns whether it is swallowed (Enter).
    bool spellingKeyPressed(bool enter, const QString& text);
    void spellingTextEdited(const QString& text);
    void englishLineClicked();
    void chineseLineClicked();
    void toggleWriteEnglishCheck(); ///< "英文："
    void toggleWriteChineseCheck(); ///< "中文："
    // Word hint card
    /// A click on a line of the card.
    void cueLineClicked(kelvaro::CueLine line);
    // Sentence recall
    /// A mouse button released over recall label k: one more hint.
    void recallWordReleased(int k);
    /// A double click on recall label k: the word uncovered at once, or covered again.
    void recallWordDoubleClicked(int k);
    /// The pointer moved over recall label k.
    void recallWordHovered(int k);
    /// A click on the empty part of the recall panel: the card hides.
    void recallBackgroundClicked();
    void toggleRecallChinese(); ///< "显示中文" / "隐藏中文" of the recall menu
    // Word fill-in
    /// The learner changed the text of the blank's box.
    void fillInTextEdited(const QString& text);
    /// Space in the blank's box; true when it was taken (the bubble was showing).
    bool fillInSpace();
    /// A fill-in option item (FillInOption) chosen.
    void toggleFillInOption(int option);
    // Dictation results (the handlers are in ResultsController.cpp)
    void showResults();                                ///< "查看听写成绩", Image1
    void showResultsPage(bool bookPage);               ///< "本册成绩" / "本课成绩"
    void closeResults();                               ///< "关闭", ExitResultsCommand
    void resultsSentenceClicked(const QString& entry); ///< an entry of List1 or List2
    void clearLessonResults();                         ///< "清除本课成绩"
    void clearBookResults();                           ///< "清除本册成绩"

signals:
    /// The state changed; the widgets draw it again.
    void changed();
    /// Only the keyboard focus should move (context().focus says where).
    void focusRequested();

private:
    void done();
    void restPressedSpeaker();
    MainContext& m_context;
    int m_pressedSpeaker = 0;
};

} // namespace kelvaro
