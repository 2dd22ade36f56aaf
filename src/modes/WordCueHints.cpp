#include "WordCueHints.h"

#include "SentenceBrowse.h"

#include "content/Dictionary.h"

namespace kelvaro {

namespace {

// Where the card stands relative to its word label (the label is panel-relative, the card
// window-relative), and its margin from the window's right edge.
constexpr int kCueLeftOffset = 2720;
constexpr int kCueTopOffset = 1045;
constexpr int kCueRightMargin = 90;
// The card never covers its own word: it stands at least this far below the label's bottom.
constexpr int kCueBelowWord = 60;

bool validWord(const MainState& state, int k)
{
    return k >= 1 && k < state.sentence.SenWordLabel.size() && state.CurrentSentence >= 1 &&
           state.CurrentSentence <= state.SentenceCount;
}

// ClickedWordNumber ← HintWordIndex, then getSentenceWord and lookUp.
WordFacts lookUpCardWord(MainState& state, WordActions& words)
{
    WordCueCard& card = state.cue;
    state.ClickedWordNumber = card.HintWordIndex;
    const auto word = getSentenceWord(state.record(state.CurrentSentence), card.HintWordIndex);
    card.facts = words.lookUp(word ? word->word : QString());
    return card.facts;
}

void promptAllBut(WordCueCard& card, CueLine kept)
{
    for (int i = 0; i < kCueLineCount; ++i) {
        if (CueLine(i) != kept)
            card.lines[i] = CueValue{cuePrompt(), true};
    }
}

CueValue value(const QString& text)
{
    return CueValue{text, false};
}

// The first character of the headword (the first letter line).
QString firstLetter(const WordFacts& facts)
{
    return facts.headword.left(1);
}

} // namespace

bool isSentenceWord(const MainState& state, int k)
{
    const ElementArray& labels = state.sentence.SenWordLabel;
    return k >= 1 && k < labels.size() && labels[k].cursor == ElementCursor::Hand;
}

bool isRecallWordCovered(const MainState& state, int k)
{
    const ElementArray& labels = state.recall.ClickWordLabel;
    if (k < 1 || k >= labels.size())
        return false;
    return labels[k].foreground == labels[k].background && labels[k].opaque;
}

void setRecallWordCovered(MainState& state, int k, bool covered)
{
    RecallView& view = state.recall;
    if (!isSentenceWord(state, k) || k >= view.ClickWordLabel.size() ||
        k >= view.ClickWordLine.size())
        return;
    ViewElement& label = view.ClickWordLabel[k];
    label.foreground = covered ? kCoveredWord : kBlack;
    label.background = covered ? kCoveredWord : kPanelBackground;
    label.opaque = covered;
    view.ClickWordLine[k].visible = covered;
}

void progressiveHint(MainState& state, WordActions& words)
{
    WordCueCard& card = state.cue;
    const int k = card.HintWordIndex;
    if (!validWord(state, k))
        return;
    const QString display = state.sentence.SenWordLabel[k].caption;
    if (display != card.LastHintedWord) {
        card.HintStage = 0;
        card.line(CueLine::Meaning) = CueValue{};
        promptAllBut(card, CueLine::Meaning);
    }
    if (isSentenceWord(state, k)) {
        const WordFacts facts = lookUpCardWord(state, words);
        card.visible = true;
        ++card.HintStage;
        switch (card.HintStage) {
        case 1:
            card.line(CueLine::Meaning) = value(facts.meaning);
            break;
        case 2:
            card.line(CueLine::FirstLetter) = value(firstLetter(facts));
            break;
        case 3:
            card.line(CueLine::Read) = value(cueReadCaption());
            words.readWord();
            break;
        case 4:
            card.line(CueLine::Pronunciation) = value(facts.pronunciation);
            break;
        case 5:
            setRecallWordCovered(state, k, false);
            card.line(CueLine::Word) = value(display);
            break;
        case 6:
            setRecallWordCovered(state, k, true);
            card.HintStage = 1;
            card.line(CueLine::Meaning) = value(facts.meaning);
            promptAllBut(card, CueLine::Meaning);
            break;
        default:
            break; // after a full reveal the clicks only move the card
        }
        placeWordCue(state);
        card.visible = true;
    }
    card.LastHintedWord = display;
}

void fullReveal(MainState& state, WordActions& words, bool asHidden)
{
    WordCueCard& card = state.cue;
    const int k = card.HintWordIndex;
    if (!validWord(state, k))
        return;
    if (isSentenceWord(state, k)) {
        card.HintStage = 0;
        const QString display = state.sentence.SenWordLabel[k].caption;
        if (asHidden || isRecallWordCovered(state, k)) {
            setRecallWordCovered(state, k, false);
            const WordFacts facts = lookUpCardWord(state, words);
            card.visible = true;
            card.line(CueLine::FirstLetter) = value(firstLetter(facts));
            card.line(CueLine::Meaning) = value(facts.meaning);
            card.line(CueLine::Read) = value(cueReadCaption());
            words.readWord();
            card.line(CueLine::Pronunciation) = value(facts.pronunciation);
            card.line(CueLine::Word) = value(display);
            card.HintStage = 6;
        } else {
            setRecallWordCovered(state, k, true);
            // Looked up again: the meaning shown must be this word's, whatever came before.
            const WordFacts facts = lookUpCardWord(state, words);
            card.line(CueLine::Meaning) = value(facts.meaning);
            promptAllBut(card, CueLine::Meaning);
        }
    }
    if (placeWordCue(state))
        card.visible = true;
}

void hoverHint(MainState& state)
{
    WordCueCard& card = state.cue;
    const int k = card.HintWordIndex;
    if (!validWord(state, k) || !isSentenceWord(state, k))
        return;
    card.visible = state.sentence.SenWordLabel[k].caption == card.LastHintedWord;
}

void clickCueLine(MainState& state, WordActions& words, CueLine line)
{
    WordCueCard& card = state.cue;
    if (!validWord(state, card.HintWordIndex))
        return;
    switch (line) {
    case CueLine::FirstLetter:
        card.line(line) = value(firstLetter(card.facts));
        break;
    case CueLine::Pronunciation:
        card.line(line) = value(card.facts.pronunciation);
        break;
    case CueLine::Word:
        card.line(line) = value(card.facts.headword);
        break;
    case CueLine::Read:
        card.line(line) = value(cueReadCaption());
        words.readWord();
        break;
    case CueLine::Meaning:
        break;
    }
}

void resetWordCue(MainState& state)
{
    WordCueCard& card = state.cue;
    card.HintStage = 0;
    card.LastHintedWord.clear();
    card.visible = false;
}

void clearWordCue(MainState& state)
{
    resetWordCue(state);
    WordCueCard& card = state.cue;
    card.HintWordIndex = 0;
    card.lines.fill(CueValue{});
}

bool placeWordCue(MainState& state)
{
    WordCueCard& card = state.cue;
    const int k = card.HintWordIndex;
    // The card stands under the word as the panel showing it draws it.
    const ElementArray& words = state.ModeIndex == Mode::DictationTest
                                    ? state.dictation.WriteWordLabel
                                    : state.recall.ClickWordLabel;
    if (k < 1 || k >= words.size())
        return false;
    const TwipRect& label = words[k].geometry;
    card.geometry.width = kCueCardWidth;
    card.geometry.height = kCueCardHeight;
    card.geometry.left = label.left + kCueLeftOffset;
    card.geometry.top = qMax(label.bottom() + kCueTopOffset,
                             state.geometry.panel.top + label.bottom() + kCueBelowWord);
    const int windowWidth = state.geometry.window.width;
    if (card.geometry.right() > windowWidth) {
        card.geometry.left = windowWidth - card.geometry.width - kCueRightMargin;
        return true;
    }
    return false;
}

} // namespace kelvaro
