#pragma once

#include "DictationView.h"
#include "FillInView.h"
#include "Library.h"
#include "Mode.h"
#include "ResultsView.h"
#include "ScrollView.h"
#include "ViewElement.h"
#include "WordCueCard.h"

#include "content/Lesson.h"
#include "content/ProgramFolder.h"
#include "content/Settings.h"

#include "analysis/VoiceAnalysis.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace kelvaro {

/// The sentence browse panel's elements.
struct SentenceBrowseView
{
    ElementArray SenWordLabel;
    ViewElement SenEnglishTextLabel;
    ViewElement SenChineseLabel;
    ViewElement SenNoteText; ///< caption = the note box text
    bool NoneNotePictureVisible = false;
    QString positionCaption; ///< "3 / 12"
    QString countCaption;    ///< "本课共有12句，当前是第3句"
};

/// The recall panel: the sentence's words, covered until hinted, and its Chinese line.
struct RecallView
{
    ElementArray ClickWordLabel, ClickWordLine;
    ViewElement ClickWordChineseLabel;
};

/// The translation page: an English and a Chinese line per sentence.
struct TranslationView
{
    ElementArray EnglishTextLabel, ChineseTextLabel, ChinesePointLabel, SenLine, HornImage,
        SenNumLabel;
    ScrollView scroll; ///< TextPicture, MainPicture, MoveImage
    QString hint;      ///< Label1(8): the hint line of the reveal mode
};

/// Where continuous reading of the full text was held by "暂停朗读".
enum class ReadingHold {
    None,    ///< not held
    Reading, ///< inside a reading: the player waits where it was
    Pause,   ///< inside the pause after a reading: the pause starts again on resume
};

/// The full-text page: one cell per segment and an end marker per sentence.
struct FullTextView
{
    ElementArray AllWordTextLabel, AllWordLine, AllChineseLabel, AllVoiceImage;
    QVector<int> cellSentence; ///< the sentence (1-based) of each cell; [0] unused
    int SentenceCellOffset = 0;
    bool TipPictureVisible = false;
    ScrollView scroll; ///< AllWordTextPicture, AllWordMainPicture, AllWordMoveImage
    // Continuous reading: AllReadCommand says "停止朗读" while it runs (PauseReadCommand is
    // enabled only then), PauseReadCommand says "继续朗读" while it holds.
    bool readingRuns = false;
    ReadingHold readingHold = ReadingHold::None;
    int heldSentence = 0; ///< the sentence whose reading was held
};

/// The word popup (WordPicture), shared by every view.
struct WordPopupView
{
    QString WordEnglishTextLabel; ///< the headword shown, and the word that is spoken
    QString WordPronTextLabel;
    QString WordChineseTextLabel;
    bool visible = false;
    bool found = false; ///< the last lookup found an entry (EntryPos > 0)
    TwipRect geometry;  ///< WordPicture and its frame Shape1, relative to the window
    // The popup's parts, relative to the popup.
    TwipRect headword;        ///< WordEnglishTextLabel, sized to its text
    TwipRect pronunciation;   ///< WordPronTextLabel
    TwipRect meaning;         ///< WordChineseTextLabel, as many lines as the meaning needs
    TwipRect link;            ///< WebWordFindLabel "<词典>" at rest
    bool linkPressed = false; ///< the link is drawn 15 twips right and down while pressed
    bool openEntry = false;   ///< the entry is the open dictionary's, marked as such
    TwipRect openMark;        ///< OpenDictionaryLabel "开放词典"; only for an open entry
};

/// The read-after panel's recorder buttons.
struct ReadAfterView
{
    bool RecordStopCommandEnabled = false; ///< "停止"
    bool UserVoiceCommandEnabled = false;  ///< "您的读音"
    // Without a microphone "录音" is disabled and the panel says why.
    bool microphoneMissing = false;

    // The voice picture under the sentence: the lesson's reading, and the take set against it.
    std::shared_ptr<const VoiceTrack> lessonVoice;     ///< null until the sentence is analysed
    std::shared_ptr<const VoiceComparison> comparison; ///< null until a take of this sentence
    double lessonCursor = -1; ///< seconds into the sentence being heard; -1 when none is
    double takeCursor = -1;   ///< seconds into the take being heard; -1 when it is not
};

/// Geometry of the window and its panels in twips; follows the window mode.
struct WindowGeometry
{
    bool maximised = false;
    TwipRect window{0, 0, 12000, 8550};
    TwipRect tree;  ///< TreeView1
    TwipRect panel; ///< every mode panel has this place and size
    TwipRect tabs;  ///< the row of tabs above the panels
};

/// The one main-window state: the open lesson, the current sentence, the mode, the options
/// and every view's elements. The shell owns it; modes read and change it.
struct MainState
{
    explicit MainState(QString programFolder) : folder(std::move(programFolder)) {}

    ProgramFolder folder;

    // Library
    QStringList lessonNames; ///< the built-in book's list; node k + 1 is lesson k
    /// The tree's books: the built-in book, then the learner's own books in their order.
    QVector<LibraryBook> library;
    int libraryRevision = 0; ///< raised whenever library changes, so the tree is drawn again
    QString BookName = builtInBookName();
    int LessonNumber = 1;
    int LessonNode = 2;
    QString PreviousBookName = builtInBookName();
    int PreviousLessonNumber = 0;
    int PreviousLessonNode = 0;
    QString LessonTitle;
    bool lessonOpen = false; ///< a lesson has been loaded

    // Lesson model: SentenceRecord(i) is lesson.records[i - 1]
    Lesson lesson;
    int SentenceCount = 0;
    int KeyWordCount = 0;
    int DictatedCount = 0;
    int CurrentSentence = 1;
    int StartSentence = 1;
    double SentenceStart = 0, SentenceEnd = 0; ///< seconds, read when the sentence is shown
    QString SentenceNote;
    bool SentenceDone = false;
    /// Why the open lesson's recording cannot be played ("找不到这一课的录音文件"); empty when
    /// it can.
    QString recordingProblem;

    // Mode and options
    Mode ModeIndex = Mode::FullText;
    Settings options;          ///< the option values of the menus, as the settings file keeps them
    double readingSpeed = 1.0; ///< the lesson's readings, 1 = as recorded (a file of its own)
    int CurrentReadCount = 0;
    /// The compact player reads on to the next sentence whatever PlayMode says.
    bool handsFree = false;
    bool CtrlHeld = false;
    int ClickedWordNumber = 0; ///< the word (segment) of the current sentence last clicked
    ModeFlags TabVisible;      ///< the tabs offered

    // Focus follows the mouse: mouse moves counted over each area
    int translationMoves = 0;
    int fullTextMoves = 0;
    int treeMoves = 0;

    // Navigation groups (back and next buttons of every panel)
    bool backGroupEnabled = false;
    bool nextGroupEnabled = false;

    // Views
    SentenceBrowseView sentence;
    TranslationView translation;
    FullTextView fullText;
    ReadAfterView readAfter;
    WordPopupView wordPopup;
    WindowGeometry geometry;
    RecallView recall;
    // Word hint card (recall and the dictation test)
    WordCueCard cue;
    // Word fill-in
    FillInView fillIn;
    QString progressCaption; ///< Label1(27): "3 / 12"

    // Dictation: free spelling and the dictation test
    DictationView dictation;

    // Dictation results: the results view of the lesson and the book
    ResultsView results;

    const QString& record(int i) const { return lesson.records[i - 1]; }
    const SentenceFields& fields(int i) const { return lesson.sentences[i - 1]; }
    void setRecord(int i, const QString& record) { replaceRecord(lesson, i - 1, record); }
    int keyWordColour() const { return options.keyWordColour; }
    bool senChineseShown() const { return options.senChineseCheck; }
};

} // namespace kelvaro
