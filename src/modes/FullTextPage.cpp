#include "FullTextPage.h"

#include <QHash>

namespace kelvaro {

namespace {
constexpr int kMarkerWidth = 15;
} // namespace

void buildFullTextCells(MainState& state, const TextMeasurer& measurer)
{
    FullTextView& view = state.fullText;
    const int lineHeight = measurer.lineHeight(TextFont::FullTextWord);
    const Rgb keyColour = colourFromValue(state.keyWordColour());
    view.AllWordTextLabel.resize(1);
    view.AllWordTextLabel[0] = ViewElement{};
    view.AllWordTextLabel[0].geometry.height = lineHeight;
    view.AllWordLine.resize(1);
    view.AllWordLine[0] = ViewElement{};
    view.cellSentence = {0};

    // A lesson repeats its words: each distinct caption is measured once, and its cells share
    // one copy of it. The keys are views into the lesson's records, which outlive this loop.
    struct Caption
    {
        QString text;
        int width = 0;
    };
    QHash<QStringView, Caption> captions;
    auto captionOf = [&](QStringView display) -> const Caption& {
        auto known = captions.constFind(display);
        if (known == captions.cend()) {
            const QString text = display.toString();
            known = captions.insert(
                display, Caption{text, measurer.measure(text, TextFont::FullTextWord).width()});
        }
        return *known;
    };

    for (int s = 1; s <= state.SentenceCount; ++s) {
        const QString& record = state.record(s);
        for (const SegmentView& segment : recordSegmentViews(record)) {
            const Caption& caption = captionOf(segment.display);
            ViewElement cell;
            cell.caption = caption.text;
            cell.geometry.width = caption.width;
            cell.geometry.height = lineHeight;
            if (segment.keyWord)
                cell.foreground = keyColour;
            if (startsWithLetter(cell.caption))
                cell.cursor = ElementCursor::Hand;
            view.AllWordTextLabel.append(std::move(cell));
            view.cellSentence.append(s);
        }
        ViewElement marker;
        const qsizetype hash = record.indexOf(u'#');
        marker.caption = hash >= 0 ? record.mid(hash) : QStringLiteral("#");
        marker.geometry.width = kMarkerWidth;
        marker.geometry.height = lineHeight;
        view.AllWordTextLabel.append(std::move(marker));
        view.cellSentence.append(s);
    }
    view.AllWordLine.resize(view.AllWordTextLabel.size());
}

void layoutFullText(MainState& state, bool englishAndChinese)
{
    FullTextView& view = state.fullText;
    ElementArray& cells = view.AllWordTextLabel;
    ScrollView& scroll = view.scroll;
    scroll.page.left = 0;
    scroll.page.top = 0;
    scroll.page.width = scroll.frame.width - 300;
    scroll.thumbTop = 255;
    cells[0].geometry.top = englishAndChinese ? 185 : 200;
    cells[0].geometry.left = englishAndChinese ? 405 : 305;
    for (int s = 1; s < view.AllChineseLabel.size(); ++s)
        view.AllChineseLabel[s].visible = false;
    for (int s = 1; s < view.AllVoiceImage.size(); ++s)
        view.AllVoiceImage[s].visible = false;

    int sentence = 1; // the sentence whose cells are being placed
    int lastChineseBottom = cells[0].geometry.top;
    if (englishAndChinese && view.AllVoiceImage.size() > 1) {
        ViewElement& icon = view.AllVoiceImage[1];
        icon.geometry.top = cells[0].geometry.top + 15;
        icon.geometry.left = 15;
        icon.visible = true;
    }
    const int firstLeft = cells.size() > 1 ? cells[0].geometry.left + cells[0].geometry.width : 0;
    const int wrapLimit = scroll.page.width - 300;
    for (int i = 1; i < cells.size(); ++i) {
        ViewElement& previous = cells[i - 1];
        ViewElement& cell = cells[i];
        cell.geometry.left = previous.geometry.right();
        cell.geometry.top = previous.geometry.top;
        cell.visible = true;
        if (i > 1 && isEndMarker(previous)) {
            ++sentence;
            if (englishAndChinese) {
                previous.geometry.left = firstLeft - 15;
                previous.geometry.top = lastChineseBottom + 60;
                view.AllWordLine[i - 1].geometry = {previous.geometry.left,
                                                    previous.geometry.bottom(),
                                                    previous.geometry.width, 15};
                if (sentence < view.AllVoiceImage.size()) {
                    ViewElement& icon = view.AllVoiceImage[sentence];
                    icon.geometry.top = previous.geometry.top + 15;
                    icon.geometry.left = 15;
                    icon.visible = true;
                }
                cell.geometry.left = previous.geometry.right();
                cell.geometry.top = previous.geometry.top;
            } else {
                cell.geometry.left = firstLeft;
                cell.geometry.top = previous.geometry.top + previous.geometry.height + 135;
            }
        } else if (cell.geometry.right() > wrapLimit && startsWithLetter(cell.caption)) {
            cell.geometry.top = previous.geometry.top + previous.geometry.height;
            cell.geometry.left = firstLeft;
        }
        if (englishAndChinese && isEndMarker(cell) && sentence < view.AllChineseLabel.size()) {
            ViewElement& chinese = view.AllChineseLabel[sentence];
            chinese.geometry.left = firstLeft;
            chinese.geometry.top = cell.geometry.bottom() + 60;
            chinese.visible = true;
            lastChineseBottom = chinese.geometry.bottom();
        }
        view.AllWordLine[i].geometry = {cell.geometry.left, cell.geometry.bottom(),
                                        cell.geometry.width, 15};
        if (isEndMarker(cell))
            cell.visible = false;
        scroll.page.height = englishAndChinese ? lastChineseBottom + 180 : cell.geometry.top + 880;
    }
    if (cells.size() <= 1)
        scroll.page.height = 0;
    updateScrollControls(scroll);
}

void underlineCurrentSentence(MainState& state)
{
    FullTextView& view = state.fullText;
    for (ViewElement& line : view.AllWordLine)
        line.visible = false;
    view.SentenceCellOffset = 0;
    const int count = int(view.AllWordTextLabel.size());
    // The end marker before the current sentence, then the sentence's own cells.
    int first = -1;
    int last = -1;
    for (int i = 1; i < count; ++i) {
        if (view.cellSentence[i] == state.CurrentSentence) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return;
    view.SentenceCellOffset = first - 1;
    for (int i = qMax(first - 1, 1); i < last; ++i)
        view.AllWordLine[i].visible = true;
}

void centreFullTextView(MainState& state)
{
    const FullTextView& view = state.fullText;
    if (view.SentenceCellOffset < 0 || view.SentenceCellOffset >= view.AllWordTextLabel.size())
        return;
    centreOn(state.fullText.scroll, view.AllWordTextLabel[view.SentenceCellOffset].geometry.top);
}

} // namespace kelvaro
