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

void copyWordGeometry(SentenceBrowseView& view)
{
    for (int k = 1; k < view.SenWordLabel.size(); ++k) {
        const TwipRect& g = view.SenWordLabel[k].geometry;
        for (ElementArray* copy :
             {&view.ClickWordLabel, &view.WriteWordLabel, &view.CurrentWordSenLabel})
            (*copy)[k].geometry = g;
        for (ElementArray* line :
             {&view.ClickWordLine, &view.WriteWordLine, &view.CurrentWordSenLine})
            (*line)[k].geometry = {g.left, g.bottom(), g.width, 15};
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
    for (ElementArray* array :
         {&view.SenWordLabel, &view.ClickWordLabel, &view.ClickWordLine, &view.WriteWordLabel,
          &view.WriteWordLine, &view.CurrentWordSenLabel, &view.CurrentWordSenLine}) {
        if (array->isEmpty())
            array->append(ViewElement{});
        clearElements(*array);
    }
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

        ViewElement click = view.SenWordLabel.back();
        click.foreground = kBlack;
        ViewElement write = click;
        ViewElement fillIn = click;
        fillIn.foreground = view.SenWordLabel.back().foreground;
        ViewElement line;
        line.visible = word;
        if (word) {
            click.foreground = kCoveredWord;
            click.background = kCoveredWord;
            click.opaque = true;
            write.foreground = kPanelBackground;
        } else {
            click.background = kPanelBackground;
        }
        view.ClickWordLabel.append(click);
        view.WriteWordLabel.append(write);
        view.CurrentWordSenLabel.append(fillIn);
        view.ClickWordLine.append(line);
        view.WriteWordLine.append(line);
        ViewElement fillLine;
        view.CurrentWordSenLine.append(fillLine);
    }
    copyWordGeometry(view);
}

void reflowSentenceWords(MainState& state)
{
    SentenceBrowseView& view = state.sentence;
    const int limit = state.geometry.panel.width - 300;
    for (int k = 2; k < view.SenWordLabel.size(); ++k)
        placeWord(view.SenWordLabel, k, limit, kReflowLineGap);
    copyWordGeometry(view);
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
