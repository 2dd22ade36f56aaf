#include "WordCueHints.h"

#include "SentenceBrowse.h"

#include "content/Dictionary.h"

namespace kelvaro {

namespace {

// Where the card stands by choice: a little right of its word's left edge, just under it.
constexpr int kCueIndent = 140;
// The card's distance from its word and the Chinese line, and from the panel's edges.
constexpr int kCueGap = 60;
constexpr int kCueMargin = 90;

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

namespace {

bool overlaps(const TwipRect& a, const TwipRect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

int overlapArea(const TwipRect& a, const TwipRect& b)
{
    const int w = qMin(a.right(), b.right()) - qMax(a.left, b.left);
    const int h = qMin(a.bottom(), b.bottom()) - qMax(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

TwipRect wordCuePlace(const TwipRect& word, const TwipRect& chinese, int panelWidth,
                      int panelHeight)
{
    const int w = kCueCardWidth;
    const int h = kCueCardHeight;
    const int minLeft = kCueMargin;
    const int maxLeft = qMax(minLeft, panelWidth - kCueMargin - w);
    const int minTop = kCueMargin;
    const int maxTop = qMax(minTop, panelHeight - kCueMargin - h);
    const int left = qBound(minLeft, word.left + kCueIndent, maxLeft);
    const int besideRight = word.right() + kCueGap;
    const int besideLeft = word.left - kCueGap - w;
    // In order of choice: under the word, under the Chinese line, above the word, then beside
    // the word reaching down from its top or up from its bottom.
    const TwipRect places[] = {
        {left, word.bottom() + kCueGap, w, h},
        {left, qMax(word.bottom(), chinese.bottom()) + kCueGap, w, h},
        {left, word.top - kCueGap - h, w, h},
        {besideRight, word.top, w, h},
        {besideRight, word.bottom() - h, w, h},
        {besideLeft, word.top, w, h},
        {besideLeft, word.bottom() - h, w, h},
    };
    const bool hasChinese = chinese.width > 0 && chinese.height > 0;
    for (const TwipRect& place : places) {
        const bool inside = place.left >= minLeft && place.left <= maxLeft && place.top >= minTop &&
                            place.top <= maxTop;
        if (inside && !overlaps(place, word) && !(hasChinese && overlaps(place, chinese)))
            return place;
    }
    // No room anywhere (a panel crowded by a very long sentence): inside the panel, clear of
    // the word where possible, covering as little of the Chinese line as can be.
    TwipRect best;
    int bestCost = -1;
    for (TwipRect place : places) {
        place.left = qBound(minLeft, place.left, maxLeft);
        place.top = qBound(minTop, place.top, maxTop);
        const int cost = (overlaps(place, word) ? panelWidth * panelHeight : 0) +
                         (hasChinese ? overlapArea(place, chinese) : 0);
        if (bestCost < 0 || cost < bestCost) {
            best = place;
            bestCost = cost;
        }
    }
    return best;
}

bool placeWordCue(MainState& state)
{
    WordCueCard& card = state.cue;
    const int k = card.HintWordIndex;
    // The card stands by the word as the panel showing it draws it, clear of its Chinese line.
    const bool dictation = state.ModeIndex == Mode::DictationTest;
    const ElementArray& words =
        dictation ? state.dictation.WriteWordLabel : state.recall.ClickWordLabel;
    if (k < 1 || k >= words.size())
        return false;
    TwipRect chinese = dictation ? state.sentence.SenChineseLabel.geometry
                                 : state.recall.ClickWordChineseLabel.geometry;
    if (dictation)
        chinese.top += kDictationChineseDrop;
    const TwipRect& panel = state.geometry.panel;
    const TwipRect& label = words[k].geometry;
    const TwipRect place = wordCuePlace(label, chinese, panel.width, panel.height);
    card.geometry = {panel.left + place.left, panel.top + place.top, place.width, place.height};
    return place.left < label.left + kCueIndent;
}

} // namespace kelvaro
