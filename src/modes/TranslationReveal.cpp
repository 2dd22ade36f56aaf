#include "TranslationReveal.h"

namespace kelvaro {

namespace {

// A label covered: its text in the template's background colour on an opaque background.
void setCovered(ElementArray& labels, int s, bool covered)
{
    const ViewElement& reference = labels[0];
    ViewElement& label = labels[s];
    label.foreground = covered ? reference.background : reference.foreground;
    label.background = reference.background;
    label.opaque = covered;
}

void setChineseCovered(TranslationView& view, int s, bool covered)
{
    setCovered(view.ChineseTextLabel, s, covered);
    setCovered(view.ChinesePointLabel, s, covered);
}

bool shown(const ElementArray& labels, int s)
{
    return s >= 1 && s < labels.size() && labels[s].foreground == labels[0].foreground;
}

// Both sides of every line covered or shown as the mode says, with their pointers.
void coverLines(TranslationView& view, int mode)
{
    const ElementCursor english = coversEnglish(mode) ? ElementCursor::Hand : ElementCursor::Arrow;
    const ElementCursor chinese = coversChinese(mode) ? ElementCursor::Hand : ElementCursor::Arrow;
    for (int s = 1; s < view.EnglishTextLabel.size(); ++s) {
        setCovered(view.EnglishTextLabel, s, coversEnglish(mode));
        view.EnglishTextLabel[s].cursor = english;
        setChineseCovered(view, s, coversChinese(mode));
        view.ChineseTextLabel[s].cursor = chinese;
        view.ChinesePointLabel[s].cursor = chinese;
        view.ChineseTextLabel[s].visible = true;
        view.ChinesePointLabel[s].visible = true;
    }
}

} // namespace

int revealModeOf(int mode)
{
    return mode == kPointEnglish || mode == kPointEnglishChinese ? mode : kPointChinese;
}

QString revealHint(int mode)
{
    switch (mode) {
    case kPointEnglish:
        return QStringLiteral("点击遮挡的英文可显示或隐藏，按恢复重置界面");
    case kPointEnglishChinese:
        return QStringLiteral("点击喇叭图标朗读句子，点击遮挡的英文和中文可显示或隐藏");
    default:
        return QStringLiteral("点击遮挡的中文可显示或隐藏，按恢复重置界面");
    }
}

void applyRevealMode(MainState& state, int mode)
{
    mode = revealModeOf(mode);
    state.translation.hint = revealHint(mode);
    coverLines(state.translation, mode);
    state.options.translationMode = mode;
}

void coverAllLines(MainState& state)
{
    coverLines(state.translation, revealModeOf(state.options.translationMode));
}

bool englishShown(const MainState& state, int s)
{
    return shown(state.translation.EnglishTextLabel, s);
}

bool chineseShown(const MainState& state, int s)
{
    return shown(state.translation.ChineseTextLabel, s);
}

void toggleEnglishLine(MainState& state, int s)
{
    ElementArray& english = state.translation.EnglishTextLabel;
    if (s >= 1 && s < english.size())
        setCovered(english, s, englishShown(state, s));
}

void toggleChineseLine(MainState& state, int s)
{
    TranslationView& view = state.translation;
    if (s >= 1 && s < view.ChineseTextLabel.size() && s < view.ChinesePointLabel.size())
        setChineseCovered(view, s, chineseShown(state, s));
}

RevealMarks revealMarks(const MainState& state)
{
    RevealMarks marks;
    for (int s = 1; s < state.translation.EnglishTextLabel.size(); ++s) {
        marks.english.append(englishShown(state, s));
        marks.chinese.append(chineseShown(state, s));
    }
    return marks;
}

void restoreRevealMarks(MainState& state, const RevealMarks& marks)
{
    TranslationView& view = state.translation;
    coverAllLines(state);
    for (int s = 1; s < view.EnglishTextLabel.size() && s <= marks.english.size(); ++s) {
        setCovered(view.EnglishTextLabel, s, !marks.english[s - 1]);
        setChineseCovered(view, s, !marks.chinese[s - 1]);
    }
}

} // namespace kelvaro
