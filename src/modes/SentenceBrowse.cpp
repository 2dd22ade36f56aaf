#include "SentenceBrowse.h"

#include "FullTextPage.h"
#include "Layout.h"
#include "TranslationPage.h"

namespace kelvaro {

namespace {

constexpr int kWordLineGap = 60;
constexpr int kReflowLineGap = 30;

// The segments of an English field, "^" by "^"; an unclosed last segment is dropped, so a
// malformed record can never make the walk run on.
QStringList englishSegments(const QString& record)
{
    QStringList segments;
    qsizetype end = record.indexOf(u'#');
    if (end < 0)
        end = record.size();
    qsizetype b = record.indexOf(u'^');
    while (b >= 0 && b < end) {
        const qsizetype c = record.indexOf(u'^', b + 1);
        if (c < 0 || c > end)
            break;
        segments.append(record.mid(b + 1, c - b - 1));
        b = c;
    }
    return segments;
}

// Places label k after label k - 1, starting a new line when it would run past the margin
// and ends in a letter (punctuation never starts a line).
void placeWord(ElementArray& labels, int k, int limit, int lineGap)
{
    ViewElement& label = labels[k];
    const ViewElement& previous = labels[k - 1];
    if (k == 1) {
        label.geometry.left = labels[0].geometry.left;
        label.geometry.top = labels[0].geometry.top;
        return;
    }
    label.geometry.left = previous.geometry.right();
    label.geometry.top = previous.geometry.top;
    if (label.geometry.right() > limit && endsWithLetter(label.caption)) {
        label.geometry.top = previous.geometry.bottom() + lineGap;
        label.geometry.left = labels[1].geometry.left;
    }
}

// A panel's copy of the words takes their places; a copy of another sentence (a tab that has
// not caught up yet) is left for the tab to make again.
void copyWordGeometry(const ElementArray& words, ElementArray& labels, ElementArray& lines)
{
    if (labels.size() != words.size() || lines.size() != words.size())
        return;
    for (int k = 1; k < words.size(); ++k) {
        const TwipRect& g = words[k].geometry;
        labels[k].geometry = g;
        lines[k].geometry = {g.left, g.bottom(), g.width, 15};
    }
}

void copyWordGeometry(MainState& state)
{
    const ElementArray& words = state.sentence.SenWordLabel;
    copyWordGeometry(words, state.recall.ClickWordLabel, state.recall.ClickWordLine);
    copyWordGeometry(words, state.dictation.WriteWordLabel, state.dictation.WriteWordLine);
    copyWordGeometry(words, state.fillIn.CurrentWordSenLabel, state.fillIn.CurrentWordSenLine);
}

// The label and its line of a panel's copy of word label k of the sentence.
enum class WordCopy { Recall, Dictation, FillIn };
std::pair<ViewElement, ViewElement> copyOfWord(const ViewElement& word, WordCopy kind)
{
    // A word (as opposed to punctuation) is what takes the hand pointer.
    const bool isWord = word.cursor == ElementCursor::Hand;
    ViewElement label = word;
    label.foreground = kBlack;
    ViewElement line;
    line.visible = isWord;
    switch (kind) {
    case WordCopy::Recall:
        if (isWord) {
            label.foreground = kCoveredWord;
            label.background = kCoveredWord;
            label.opaque = true;
        } else {
            label.background = kPanelBackground;
        }
        break;
    case WordCopy::Dictation:
        if (isWord)
            label.foreground = kPanelBackground;
        break;
    case WordCopy::FillIn:
        label.foreground = word.foreground; // key words in their colour
        line = ViewElement{};
        break;
    }
    const TwipRect& g = word.geometry;
    line.geometry = {g.left, g.bottom(), g.width, 15};
    return {label, line};
}

void buildWordCopy(const ElementArray& words, ElementArray& labels, ElementArray& lines,
                   WordCopy kind)
{
    for (ElementArray* array : {&labels, &lines}) {
        if (array->isEmpty())
            array->append(ViewElement{});
        clearElements(*array);
    }
    for (int k = 1; k < words.size(); ++k) {
        auto [label, line] = copyOfWord(words[k], kind);
        labels.append(label);
        lines.append(line);
    }
}

int wordRowsBottom(const SentenceBrowseView& view)
{
    int bottom = view.SenWordLabel[0].geometry.top;
    for (int k = 1; k < view.SenWordLabel.size(); ++k)
        bottom = qMax(bottom, view.SenWordLabel[k].geometry.bottom());
    return bottom;
}

} // namespace

int sentenceTextWidth(const MainState& state)
{
    return state.translation.scroll.frame.width - 800;
}

void buildSentenceWords(MainState& state, const TextMeasurer& measurer)
{
    SentenceBrowseView& view = state.sentence;
    if (view.SenWordLabel.isEmpty())
        view.SenWordLabel.append(ViewElement{});
    clearElements(view.SenWordLabel);
    ViewElement& word0 = view.SenWordLabel[0];
    word0.geometry = {layout::kSenWordLeft, layout::kSenWordTop, 0,
                      measurer.lineHeight(TextFont::SentenceWord)};
    if (state.CurrentSentence < 1 || state.CurrentSentence > state.SentenceCount)
        return;

    // A copy: appending labels reallocates the array and would leave a reference to the template
    // dangling.
    const int lineHeight = word0.geometry.height;
    const Rgb keyColour = colourFromValue(state.keyWordColour());
    const int limit = state.geometry.panel.width - 300;
    const QStringList segments = englishSegments(state.record(state.CurrentSentence));
    for (const QString& segment : segments) {
        ViewElement label;
        label.caption = segment;
        const qsizetype dollar = segment.indexOf(u'$');
        if (dollar >= 0) {
            if (segment.contains(kKeyWordMark))
                label.foreground = keyColour;
            label.caption = segment.left(dollar);
        }
        const QSize size = measurer.measure(label.caption, TextFont::SentenceWord);
        label.geometry.width = size.width();
        label.geometry.height = lineHeight;
        label.visible = true;
        const bool word = startsWithLetter(segment);
        label.cursor = word ? ElementCursor::Hand : ElementCursor::Arrow;
        view.SenWordLabel.append(label);
        placeWord(view.SenWordLabel, int(view.SenWordLabel.size()) - 1, limit, kWordLineGap);
    }
}

void buildRecallWords(MainState& state)
{
    buildWordCopy(state.sentence.SenWordLabel, state.recall.ClickWordLabel,
                  state.recall.ClickWordLine, WordCopy::Recall);
}

void buildDictationWords(MainState& state)
{
    buildWordCopy(state.sentence.SenWordLabel, state.dictation.WriteWordLabel,
                  state.dictation.WriteWordLine, WordCopy::Dictation);
}

void buildFillInWords(MainState& state)
{
    buildWordCopy(state.sentence.SenWordLabel, state.fillIn.CurrentWordSenLabel,
                  state.fillIn.CurrentWordSenLine, WordCopy::FillIn);
}

void reflowSentenceWords(MainState& state)
{
    SentenceBrowseView& view = state.sentence;
    const int limit = state.geometry.panel.width - 300;
    for (int k = 2; k < view.SenWordLabel.size(); ++k)
        placeWord(view.SenWordLabel, k, limit, kReflowLineGap);
    copyWordGeometry(state);
}

void fillSentenceTexts(MainState& state, const TextMeasurer& measurer)
{
    SentenceBrowseView& view = state.sentence;
    const int s = state.CurrentSentence;
    const bool valid = s >= 1 && s <= state.SentenceCount;
    const int width = sentenceTextWidth(state);

    view.SenEnglishTextLabel = ViewElement{};
    view.SenEnglishTextLabel.caption =
        valid ? state.translation.EnglishTextLabel[s].caption : QString();
    const int englishLine = measurer.lineHeight(TextFont::TranslationEnglish);
    view.SenEnglishTextLabel.geometry = {
        layout::kSenWordLeft, 0,
        measurer.measure(view.SenEnglishTextLabel.caption, TextFont::TranslationEnglish).width(),
        englishLine};
    wrapToWidth(view.SenEnglishTextLabel, width, englishLine);

    view.SenChineseLabel = ViewElement{};
    view.SenChineseLabel.caption =
        valid ? state.translation.ChineseTextLabel[s].caption : QString();
    const int chineseLine = measurer.lineHeight(TextFont::SentenceChinese);
    view.SenChineseLabel.geometry = {
        layout::kSenWordLeft, wordRowsBottom(view) + 135,
        measurer.measure(view.SenChineseLabel.caption, TextFont::SentenceChinese).width(),
        chineseLine};
    wrapToWidth(view.SenChineseLabel, width, chineseLine);
    view.SenChineseLabel.visible = state.senChineseShown();

    view.SenNoteText.caption = state.SentenceNote.trimmed();
    const int noteTop = view.SenChineseLabel.geometry.bottom() + 185;
    view.SenNoteText.geometry = {layout::kSenWordLeft, noteTop, width,
                                 qMax(300, state.geometry.panel.height - 690 - noteTop)};
    view.SenNoteText.visible = state.senChineseShown();
    view.NoneNotePictureVisible = state.senChineseShown() && view.SenNoteText.caption.isEmpty();

    const int shown = valid ? s : 0; // a lesson without sentences shows "0 / 0"
    view.positionCaption = QStringLiteral("%1 / %2").arg(shown).arg(state.SentenceCount);
    view.countCaption =
        QStringLiteral("本课共有%1句，当前是第%2句").arg(state.SentenceCount).arg(shown);
}

void updateNavigationGroups(MainState& state)
{
    state.backGroupEnabled = state.CurrentSentence > 1;
    state.nextGroupEnabled = state.CurrentSentence < state.SentenceCount;
}

} // namespace kelvaro
