#include "FillIn.h"

#include "KeyWords.h"
#include "Layout.h"

#include "content/Dictionary.h"
#include "content/TextRules.h"

#include <algorithm>

namespace kelvaro {

namespace {

// setCue: the first hint's gap from the blank's left edge, and the gap between hints.
constexpr int kCueIndent = 30;
constexpr int kCueGap = 150;
// The bubble: its room around the message, and its gap below the meaning hint.
constexpr int kBubblePadding = 180;
constexpr int kBubbleBelowMeaning = 165;
constexpr int kBubbleRightMargin = 300;

constexpr TextFont kHintFonts[3] = {TextFont::TranslationEnglish, TextFont::TranslationChinese,
                                    TextFont::TranslationEnglish};
constexpr TextFont kBubbleFont = TextFont::TranslationChinese;

bool validBlank(const MainState& state, int k)
{
    return k >= 1 && k < state.sentence.SenWordLabel.size() &&
           k < state.fillIn.CurrentWordSenLabel.size() &&
           k < state.fillIn.CurrentWordSenLine.size() && state.CurrentSentence >= 1 &&
           state.CurrentSentence <= state.SentenceCount;
}

QString withStraightApostrophes(QString text)
{
    text.replace(QChar(0x2019), u'\'');
    return text;
}

void showWholeSentence(FillInView& view)
{
    for (int i = 1; i < view.CurrentWordSenLabel.size(); ++i)
        view.CurrentWordSenLabel[i].visible = true;
    for (int i = 1; i < view.CurrentWordSenLine.size(); ++i)
        view.CurrentWordSenLine[i].visible = false;
}

} // namespace

QString noKeyWordMessage()
{
    return QStringLiteral("本句暂无用于填空的重点词，请在“句子浏览”中Ctrl+"
                          "鼠标点击设置重点词后即可进行单词填空。");
}

QString correctMessage()
{
    return QStringLiteral("拼写正确，请按空格进入下一词，或按删除键重做。");
}

QString lessonDoneMessage()
{
    return QStringLiteral("拼写正确，本课单词拼写完成，再次拼写请点击“首词”（快捷键：Home）");
}

void appendMarkedWords(QStringView record, QVector<int>& words)
{
    if (!record.contains(kKeyWordMark))
        return;
    qsizetype englishEnd = record.indexOf(u'#');
    if (englishEnd < 0)
        englishEnd = record.size();
    const QStringView english = record.left(englishEnd);
    int k = 0;
    for (qsizetype open = english.indexOf(u'^'); open >= 0;) {
        const qsizetype close = english.indexOf(u'^', open + 1);
        if (close < 0)
            break;
        ++k;
        const QStringView body = english.mid(open + 1, close - open - 1);
        const qsizetype d1 = body.indexOf(u'$');
        const qsizetype d2 = d1 < 0 ? -1 : body.indexOf(u'$', d1 + 1);
        if (d2 >= 0 && body.indexOf(kKeyWordMark, d2 + 1) >= 0)
            words.append(k);
        open = close;
    }
}

const KeyWordPlaces& lessonKeyWords(MainState& state)
{
    KeyWordPlaces& places = state.fillIn.keyWords;
    const QVector<int>& cellSentence = state.fullText.cellSentence;
    if (places.lessonRevision == state.lesson.revision &&
        places.cells == cellSentence.constData() && places.cellCount == cellSentence.size())
        return places;
    places.lessonRevision = state.lesson.revision;
    places.cells = cellSentence.constData();
    places.cellCount = cellSentence.size();
    places.spots.clear();
    places.markedWords = 0;

    const int count = state.SentenceCount;
    QVector<int> firstCell(count + 1, 0);
    for (int i = 1; i < cellSentence.size(); ++i) {
        const int s = cellSentence[i];
        if (s >= 1 && s <= count && firstCell[s] == 0)
            firstCell[s] = i;
    }
    QVector<int> words;
    for (int s = 1; s <= state.lesson.records.size(); ++s) {
        words.clear();
        appendMarkedWords(state.record(s), words);
        places.markedWords += int(words.size());
        if (s > count || firstCell[s] == 0)
            continue;
        for (int k : words)
            places.spots.append({firstCell[s] + k - 1, s, k});
    }
    return places;
}

void refreshFillIn(MainState& state, WordActions& words, const TextMeasurer& measurer, bool speak)
{
    FillInView& f = state.fillIn;
    const QVector<KeyWordSpot>& spots = lessonKeyWords(state).spots;
    const auto first = std::lower_bound(
        spots.cbegin(), spots.cend(), state.CurrentSentence,
        [](const KeyWordSpot& spot, int sentence) { return spot.sentence < sentence; });
    const int k =
        first != spots.cend() && first->sentence == state.CurrentSentence ? first->word : 0;
    if (k == 0) {
        f.CurrentWordWriteText.visible = false;
        f.CurrentWordWriteText.caption.clear();
        for (ViewElement& hint : f.CurrentWordTextLabel) {
            hint.caption.clear();
            hint.visible = false;
        }
        showWholeSentence(state.fillIn);
        f.Command7Enabled = false;
        f.Command9Enabled = false;
        f.BlankWordNumber = 0;
        f.SentenceWord.clear();
        showBubble(state, noKeyWordMessage(), measurer);
        // One past the last label.
        f.KeyWordPosition =
            int(state.sentence.SenWordLabel.size()) + state.fullText.SentenceCellOffset;
    } else {
        f.Picture7.visible = false;
        f.BlankWordNumber = k;
        showBlank(state, words, measurer, speak);
        f.Command7Enabled = true;
        f.Command9Enabled = true;
        f.KeyWordPosition = k + state.fullText.SentenceCellOffset;
    }
    updateFillInProgress(state);
    updateFillInAvailability(state);
}

void showBlank(MainState& state, WordActions& words, const TextMeasurer& measurer, bool speak)
{
    FillInView& f = state.fillIn;
    const int k = f.BlankWordNumber;
    if (!validBlank(state, k))
        return;
    state.ClickedWordNumber = k;
    const auto word = getSentenceWord(state.record(state.CurrentSentence), k);
    f.SentenceWord = word ? word->word : QString();
    const Settings& o = state.options;
    f.CurrentWordTextLabel[0].caption = o.currentWordEnglish ? f.SentenceWord : QString();
    f.facts = words.lookUp(f.SentenceWord);
    f.CurrentWordTextLabel[1].caption = o.currentWordChinese ? f.facts.meaning : QString();
    f.CurrentWordTextLabel[2].caption = o.currentWordPron ? f.facts.pronunciation : QString();
    setCue(state, measurer);
    f.Command7Enabled = true;
    if (speak && o.currentWordRead)
        words.readWord();

    FillInView& view = state.fillIn;
    showWholeSentence(view);
    view.CurrentWordSenLabel[k].visible = false;
    view.CurrentWordSenLine[k].visible = true;

    f.CurrentWordWriteText.geometry = state.sentence.SenWordLabel[k].geometry;
    f.CurrentWordWriteText.visible = true;
    f.CurrentWordWriteText.caption.clear();
}

void fitFillInBox(MainState& state, const TextMeasurer& measurer)
{
    FillInView& f = state.fillIn;
    const int k = f.BlankWordNumber;
    if (!validBlank(state, k))
        return;
    const TwipRect& blank = state.sentence.SenWordLabel[k].geometry;
    // The panel draws the box a little wider still, for the caret after the last letter.
    const int room = state.geometry.panel.width - kBubbleRightMargin - blank.left;
    const int typed =
        measurer.measure(f.CurrentWordWriteText.caption, TextFont::SentenceWord).width();
    f.CurrentWordWriteText.geometry.width = qMax(blank.width, qMin(typed, room));
}

void updateFillInProgress(MainState& state)
{
    const QVector<KeyWordSpot>& spots = lessonKeyWords(state).spots;
    FillInView& f = state.fillIn;
    // The spots are in cell order: the index is how many stand at or before the blank.
    const int index =
        int(std::upper_bound(spots.cbegin(), spots.cend(), f.KeyWordPosition,
                             [](int cell, const KeyWordSpot& spot) { return cell < spot.cell; }) -
            spots.cbegin());
    f.CurrentWordIndex = index;
    state.KeyWordCount = int(spots.size());
    f.progressCaption = QStringLiteral("%1 / %2").arg(index).arg(spots.size());
    f.Command1Enabled = index != spots.size();
    f.Command5Enabled = index != 1 && index != 0;
}

void setCue(MainState& state, const TextMeasurer& measurer)
{
    FillInView& f = state.fillIn;
    const int k = f.BlankWordNumber;
    const int blankLeft =
        validBlank(state, k) ? state.sentence.SenWordLabel[k].geometry.left : layout::kSenWordLeft;
    const int top = state.sentence.SenChineseLabel.geometry.top;
    int left = blankLeft + kCueIndent;
    for (int i = 0; i < 3; ++i) {
        ViewElement& hint = f.CurrentWordTextLabel[i];
        hint.geometry = {left, top, measurer.measure(hint.caption, kHintFonts[i]).width(),
                         measurer.lineHeight(kHintFonts[i])};
        hint.visible = !hint.caption.isEmpty();
        if (hint.visible)
            left = hint.geometry.right() + kCueGap;
    }
}

void showBubble(MainState& state, const QString& message, const TextMeasurer& measurer)
{
    FillInView& f = state.fillIn;
    ViewElement& bubble = f.Picture7;
    bubble.caption = message;
    const int lineHeight = measurer.lineHeight(kBubbleFont);
    const bool blank = hasBlank(state);
    int left = blank ? f.CurrentWordTextLabel[0].geometry.left : layout::kSenWordLeft;
    const int top = blank ? f.CurrentWordTextLabel[1].geometry.bottom() + kBubbleBelowMeaning
                          : state.sentence.SenChineseLabel.geometry.top;
    int width = measurer.measure(message, kBubbleFont).width() + kBubblePadding;
    int height = lineHeight + kBubblePadding / 2;
    bubble.wraps = false;
    // A long message moves left to stay inside the panel, and wraps when even that is not enough.
    const int right = state.geometry.panel.width - kBubbleRightMargin;
    if (left + width > right)
        left = qMax(layout::kSenWordLeft, right - width);
    if (left + width > right) {
        const int textWidth = qMax(1, right - left - kBubblePadding);
        const int lines = (width - kBubblePadding + 45) / textWidth + 1;
        width = right - left;
        height = lines * lineHeight + kBubblePadding / 2;
        bubble.wraps = true;
    }
    bubble.geometry = {left, top, width, height};
    bubble.visible = true;
}

std::optional<KeyWordSpot> steppedKeyWord(MainState& state, bool forward)
{
    const int position = state.fillIn.KeyWordPosition;
    const QVector<KeyWordSpot>& spots = lessonKeyWords(state).spots;
    if (forward) {
        const auto next =
            std::upper_bound(spots.cbegin(), spots.cend(), position,
                             [](int cell, const KeyWordSpot& spot) { return cell < spot.cell; });
        if (next != spots.cend())
            return *next;
    } else {
        const auto atOrAfter =
            std::lower_bound(spots.cbegin(), spots.cend(), position,
                             [](const KeyWordSpot& spot, int cell) { return spot.cell < cell; });
        if (atOrAfter != spots.cbegin())
            return *std::prev(atOrAfter);
    }
    return std::nullopt;
}

QString blankDisplayText(const MainState& state)
{
    const int k = state.fillIn.BlankWordNumber;
    if (!validBlank(state, k))
        return {};
    return state.fillIn.CurrentWordSenLabel[k].caption.trimmed();
}

bool fillsBlank(const QString& typed, const QString& shown, const QString& dictionaryForm)
{
    if (typed.isEmpty())
        return false;
    const QString t = withStraightApostrophes(typed);
    return (!shown.isEmpty() && equalsIgnoreAsciiCase(t, withStraightApostrophes(shown))) ||
           (!dictionaryForm.isEmpty() &&
            equalsIgnoreAsciiCase(t, withStraightApostrophes(dictionaryForm)));
}

} // namespace kelvaro
