#include "TranslationPage.h"

#include "Layout.h"
#include "TranslationReveal.h"

namespace kelvaro {

void wrapToWidth(ViewElement& label, int width, int lineHeight)
{
    if (width <= 0 || label.geometry.width <= width)
        return;
    const int lines = (label.geometry.width + 45) / width + 1;
    label.geometry.width = width;
    label.geometry.height = lines * lineHeight;
    label.wraps = true;
}

namespace {

void resetTemplates(TranslationView& view, const TextMeasurer& measurer)
{
    auto reset = [](ElementArray& array, TwipRect geometry) {
        array.resize(1);
        array[0] = ViewElement{};
        array[0].geometry = geometry;
    };
    const int englishHeight = measurer.lineHeight(TextFont::TranslationEnglish);
    const int chineseHeight = measurer.lineHeight(TextFont::TranslationChinese);
    reset(view.EnglishTextLabel,
          {layout::kEnglishLeft, layout::kTranslationFirstTop, 0, englishHeight});
    // The Chinese template is the line "before" the first sentence: its bottom is the page's top.
    reset(view.ChineseTextLabel, {layout::kEnglishLeft, 0, 0, chineseHeight});
    view.ChineseTextLabel[0].geometry.top = -chineseHeight;
    reset(view.ChinesePointLabel, {});
    reset(view.SenLine, {});
    reset(view.HornImage, {layout::kHornLeft, 0, 240, 240});
    reset(view.SenNumLabel, {layout::kSenNumLeft, 0, 420, englishHeight});
    // The templates' background is the colour that covers a line (the reveal modes).
    for (ElementArray* covered :
         {&view.EnglishTextLabel, &view.ChineseTextLabel, &view.ChinesePointLabel})
        (*covered)[0].background = kTranslationMask;
}

} // namespace

void buildTranslationLines(MainState& state, const TextMeasurer& measurer)
{
    TranslationView& view = state.translation;
    FullTextView& full = state.fullText;
    resetTemplates(view, measurer);
    full.AllChineseLabel.resize(1);
    full.AllChineseLabel[0] = ViewElement{};
    full.AllVoiceImage.resize(1);
    full.AllVoiceImage[0] = ViewElement{};
    full.AllVoiceImage[0].geometry = {15, 0, 240, 240};

    const int available = view.scroll.page.width - view.EnglishTextLabel[0].geometry.left - 60;
    const int englishLine = view.EnglishTextLabel[0].geometry.height;
    const int chineseLine = view.ChineseTextLabel[0].geometry.height;
    const int n = state.SentenceCount;
    for (ElementArray* array :
         {&view.EnglishTextLabel, &view.ChineseTextLabel, &view.ChinesePointLabel, &view.SenLine,
          &view.HornImage, &view.SenNumLabel, &full.AllChineseLabel, &full.AllVoiceImage})
        array->reserve(n + 1);

    for (int i = 1; i <= n; ++i) {
        const QString& record = state.record(i);
        ViewElement english;
        english.caption = englishDisplayText(record);
        const QSize englishSize = measurer.measure(english.caption, TextFont::TranslationEnglish);
        english.geometry = {layout::kEnglishLeft,
                            view.ChineseTextLabel[i - 1].geometry.bottom() + 60,
                            englishSize.width(), englishLine};
        english.visible = true;
        wrapToWidth(english, available, englishLine);

        ViewElement chinese;
        chinese.caption = state.fields(i).chinese;
        const QSize chineseSize = measurer.measure(chinese.caption, TextFont::TranslationChinese);
        chinese.geometry = {layout::kEnglishLeft, english.geometry.bottom() + 60,
                            chineseSize.width(), chineseLine};
        chinese.visible = true;
        wrapToWidth(chinese, available, chineseLine);

        ViewElement cover;
        cover.geometry = {chinese.geometry.left, chinese.geometry.top - 45, chinese.geometry.width,
                          chinese.geometry.height + 90};
        cover.visible = true; // opaque only while the Chinese is covered (the reveal modes)

        ViewElement line;
        line.geometry = {english.geometry.left, english.geometry.bottom(), english.geometry.width,
                         15};

        ViewElement horn = view.HornImage[0];
        horn.geometry.top = english.geometry.top + 15;
        horn.visible = true;
        horn.cursor = ElementCursor::Hand;

        ViewElement number = view.SenNumLabel[0];
        number.caption = QString::number(i) + u'.';
        number.geometry.top = english.geometry.top;
        if (i > 9)
            number.geometry.left -= 90;
        number.visible = true;

        ViewElement fullChinese;
        fullChinese.caption = chinese.caption;
        fullChinese.geometry.width = chinese.geometry.width;
        fullChinese.geometry.height = chinese.geometry.height;
        fullChinese.wraps = chinese.wraps;

        ViewElement voice = full.AllVoiceImage[0];
        voice.cursor = ElementCursor::Hand;

        view.scroll.page.height = chinese.geometry.bottom() + 90;
        view.EnglishTextLabel.append(std::move(english));
        view.ChineseTextLabel.append(std::move(chinese));
        view.ChinesePointLabel.append(std::move(cover));
        view.SenLine.append(std::move(line));
        view.HornImage.append(std::move(horn));
        view.SenNumLabel.append(std::move(number));
        full.AllChineseLabel.append(std::move(fullChinese));
        full.AllVoiceImage.append(std::move(voice));
    }
    if (n == 0)
        view.scroll.page.height = 0;
}

void markTranslationSentence(MainState& state)
{
    ElementArray& lines = state.translation.SenLine;
    for (int i = 1; i < lines.size(); ++i)
        lines[i].visible = (i == state.CurrentSentence);
}

void centreTranslationView(MainState& state)
{
    const ElementArray& english = state.translation.EnglishTextLabel;
    if (state.CurrentSentence < 1 || state.CurrentSentence >= english.size())
        return;
    centreOn(state.translation.scroll, english[state.CurrentSentence].geometry.top);
}

} // namespace kelvaro
