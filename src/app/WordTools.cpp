#include "WordTools.h"

#include "FillInActions.h"
#include "LessonOpening.h"
#include "SentenceDisplay.h"
#include "StartUp.h"
#include "WindowModes.h"
#include "WordSpeaking.h"

#include "content/LessonEdits.h"
#include "content/TextFile.h"
#include "modes/FullTextPage.h"
#include "modes/KeyWords.h"
#include "modes/WordLookup.h"

#include <QUrl>

#include <cmath>

namespace kelvaro {

namespace {

// An online English-Chinese dictionary whose page takes the word as its last path element.
const char kLookupBase[] = "https://dict.youdao.com/w/eng/";

QString dictionaryWord(const MainState& state, int k)
{
    if (state.CurrentSentence < 1 || state.CurrentSentence > state.SentenceCount)
        return {};
    const auto word = getSentenceWord(state.record(state.CurrentSentence), k);
    return word ? word->word : QString();
}

// The rest of every word click: look the word up, show the popup, speak the word.
void showClickedWord(MainContext& context)
{
    MainState& state = context.state;
    const int k = state.ClickedWordNumber;
    // A mark may have changed: the fill-in's blank follows it.
    context.rooms.follow(context, Mode::FillIn);
    state.ClickedWordNumber = k;
    lookUpWord(context, dictionaryWord(state, k));
    state.wordPopup.visible = true;
    readWord(context);
    updateFillInAvailability(state);
}

void toggleAndSave(MainContext& context, int k)
{
    if (toggleKeyWord(context.state, k) != KeyWordToggle::None)
        saveLessonText(context, LessonChange::KeyWords);
}

// The sentence's Done field is written back as it stands.
void saveNote(MainContext& context, int sentence, const QString& text)
{
    MainState& state = context.state;
    if (sentence < 1 || sentence > state.SentenceCount)
        return;
    const auto rewritten =
        rewriteRecordTail(state.record(sentence), text, state.fields(sentence).doneText);
    if (!rewritten)
        return; // every record of an opened lesson has its six "#"
    state.setRecord(sentence, *rewritten);
    if (sentence == state.CurrentSentence) {
        // The box keeps the note as stored; the next showing of the sentence trims it.
        state.SentenceNote = state.fields(sentence).note;
        state.sentence.SenNoteText.caption = state.SentenceNote;
        state.sentence.NoneNotePictureVisible =
            state.senChineseShown() && state.SentenceNote.trimmed().isEmpty();
    }
    saveLessonText(context, LessonChange::Notes);
}

} // namespace

void lookUpWord(MainContext& context, const QString& word)
{
    MainState& state = context.state;
    settleDictionary(context);
    const LookupResult result = context.openWords.lookUp(context.dictionary.get(), word);
    fillWordPopup(state.wordPopup, result, context.ports.measurer);
    if (!result.found)
        context.ports.wordPlayer.stop(); // no earlier word keeps sounding
    const Screen& screen = context.ports.screen;
    const double tpp = twipsPerPixel(screen.logicalDpi());
    const QPoint pointer = screen.pointer();
    placeWordPopup(state.wordPopup,
                   QPoint(int(std::lround(pointer.x() * tpp)), int(std::lround(pointer.y() * tpp))),
                   state.geometry.window);
}

void sentenceWordClicked(MainContext& context, int k)
{
    MainState& state = context.state;
    const ElementArray& labels = state.sentence.SenWordLabel;
    if (k < 1 || k >= labels.size() || labels[k].cursor != ElementCursor::Hand ||
        dictionaryWord(state, k).isEmpty())
        return;
    state.ClickedWordNumber = k;
    if (state.CtrlHeld)
        toggleAndSave(context, k);
    showClickedWord(context);
}

void fullTextWordReleased(MainContext& context, int index)
{
    MainState& state = context.state;
    const FullTextView& view = state.fullText;
    if (index < 1 || index >= view.AllWordTextLabel.size() ||
        !startsWithLetter(view.AllWordTextLabel[index].caption))
        return;
    goToSentence(context, view.cellSentence[index], false);
    const int k = index - state.fullText.SentenceCellOffset;
    if (dictionaryWord(state, k).isEmpty())
        return;
    state.ClickedWordNumber = k;
    if (state.CtrlHeld)
        toggleAndSave(context, k);
    context.timers.ReadTimer->setEnabled(false);
    showClickedWord(context);
    // The lesson waits at the sentence's start without sounding.
    MediaPlayer& player = context.ports.lessonPlayer;
    player.setPosition(state.SentenceStart);
    player.play();
    player.pause();
}

Status saveLessonText(MainContext& context, LessonChange change)
{
    MainState& state = context.state;
    state.lesson.text = buildLessonText(state.lesson.records);
    applyBuiltInBookRule(state);
    const QString path = state.folder.lessonFile(state.BookName, state.LessonNumber);
    Status written = writeTextFile(path, state.lesson.text);
    if (written) {
        context.unwritten.written(path);
    } else {
        context.unwritten.keep(path, state.lesson.text, change);
        context.ports.dialogs.warning(
            QStringLiteral("提示"),
            QStringLiteral("课文文件保存失败，修改仍保留在程序中，下次保存时会一并写入；"
                           "退出程序时也会提醒您。\n\n") +
                written.error());
    }
    return written;
}

void saveSentenceNote(MainContext& context, const QString& text)
{
    saveNote(context, context.state.CurrentSentence, text);
}

void leaveNoteBox(MainContext& context, int sentence, const QString& text)
{
    MainState& state = context.state;
    if (sentence == state.CurrentSentence)
        saveSentenceNote(context, text);
    else if (sentence >= 1 && sentence <= state.SentenceCount)
        saveNote(context, sentence, text);
}

void notePlaceholderClicked(MainContext& context)
{
    context.state.sentence.NoneNotePictureVisible = false;
}

void chooseKeyWordColour(MainContext& context)
{
    MainState& state = context.state;
    const std::optional<int> chosen = context.ports.dialogs.chooseColour(state.keyWordColour());
    if (!chosen)
        return;
    state.options.keyWordColour = *chosen;
    recolourKeyWords(state, colourFromValue(*chosen));
}

void showKeyWordHelp(MainContext& context)
{
    context.ports.dialogs.information(
        QStringLiteral("提示"),
        QStringLiteral("按住键盘上的Ctrl键，用鼠标右键点击单词即可将其设为重点词，再点击则取消。"));
}

QString wordLookupAddress(const QString& word)
{
    return QString::fromLatin1(kLookupBase) + QString::fromLatin1(QUrl::toPercentEncoding(word));
}

void pressWordLink(MainContext& context)
{
    context.state.wordPopup.linkPressed = true;
}

void releaseWordLink(MainContext& context)
{
    WordPopupView& popup = context.state.wordPopup;
    popup.linkPressed = false;
    if (!popup.WordEnglishTextLabel.isEmpty())
        context.ports.desktop.openAddress(wordLookupAddress(popup.WordEnglishTextLabel));
}

void hideWordPopup(MainContext& context)
{
    context.state.wordPopup.visible = false;
    context.state.wordPopup.linkPressed = false;
}

void windowMoved(MainContext& context, QPoint topLeft)
{
    const double tpp = twipsPerPixel(context.ports.screen.logicalDpi());
    TwipRect& window = context.state.geometry.window;
    window.left = int(std::lround(topLeft.x() * tpp));
    window.top = int(std::lround(topLeft.y() * tpp));
}

} // namespace kelvaro
