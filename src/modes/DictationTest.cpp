#include "DictationTest.h"

#include "DictationRules.h"
#include "FullTextPage.h"
#include "SentenceBrowse.h"

#include "content/TextRules.h"

namespace kelvaro {

namespace {

constexpr int kBoxExtraWidth = 15;

void setBoxText(DictationView& view, const QString& text, bool selected)
{
    view.WriteWordText = text;
    view.WriteWordTextSelected = selected;
    ++view.wordBoxRevision;
}

} // namespace

void hideDictationSlots(MainState& state)
{
    ElementArray& labels = state.dictation.WriteWordLabel;
    ElementArray& lines = state.dictation.WriteWordLine;
    for (int i = 1; i < labels.size() && i < lines.size(); ++i) {
        const bool word = startsWithLetter(labels[i].caption);
        labels[i].foreground = word ? kPanelBackground : kBlack;
        lines[i].visible = word;
    }
    DictationView& view = state.dictation;
    view.DictationWordIndex = 0;
    view.WriteWordTextVisible = true;
    setBoxText(view, {}, false);
}

bool advanceToNextWord(MainState& state)
{
    ElementArray& labels = state.dictation.WriteWordLabel;
    ElementArray& lines = state.dictation.WriteWordLine;
    DictationView& view = state.dictation;
    const int n = int(qMin(labels.size(), lines.size())) - 1;
    if (view.DictationWordIndex >= 1 && view.DictationWordIndex <= n) {
        labels[view.DictationWordIndex].foreground = kBlack;
        lines[view.DictationWordIndex].visible = false;
    }
    for (int i = qMax(0, view.DictationWordIndex) + 1; i <= n; ++i) {
        if (!lines[i].visible)
            continue;
        view.DictationWordIndex = i;
        view.WriteWordTextGeometry = dictationBoxGeometry(state);
        return true;
    }
    view.WriteWordTextVisible = false;
    return false;
}

TwipRect dictationBoxGeometry(const MainState& state)
{
    const int i = state.dictation.DictationWordIndex;
    const ElementArray& labels = state.dictation.WriteWordLabel;
    if (i < 1 || i >= labels.size())
        return state.dictation.WriteWordTextGeometry;
    const TwipRect& slot = labels[i].geometry;
    return {slot.left, slot.top, slot.width + kBoxExtraWidth, slot.height};
}

void resetDictationScore(MainState& state)
{
    state.dictation.score = DictationScore{};
}

QString currentDictationWord(const MainState& state)
{
    const int i = state.dictation.DictationWordIndex;
    const ElementArray& labels = state.dictation.WriteWordLabel;
    if (i < 1 || i >= labels.size())
        return {};
    return labels[i].caption;
}

DictationTyping typeInDictationBox(MainState& state, const QString& text)
{
    DictationView& view = state.dictation;
    if (!view.WriteWordTextVisible || view.DictationWordIndex < 1) {
        view.WriteWordText = text;
        return DictationTyping::Nothing;
    }
    const BoxJudgement judged = judgeBoxText(text, currentDictationWord(state));
    switch (judged.verdict) {
    case BoxVerdict::Nothing:
        setBoxText(view, {}, false);
        return DictationTyping::Nothing;
    case BoxVerdict::Typed:
        view.WriteWordText = judged.text;
        view.WriteWordTextSelected = false;
        if (judged.text != text)
            ++view.wordBoxRevision;
        return DictationTyping::Typed;
    case BoxVerdict::Accepted:
        setBoxText(view, {}, false);
        return DictationTyping::Accepted;
    case BoxVerdict::Wrong:
        setBoxText(view, judged.text, true);
        ++view.score.wrongWords;
        view.score.score -= kWrongWordCost;
        return DictationTyping::Wrong;
    }
    return DictationTyping::Nothing;
}

bool startFreshAttempt(MainState& state)
{
    DictationView& view = state.dictation;
    if (!view.WriteWordTextSelected)
        return false;
    setBoxText(view, {}, false);
    return true;
}

bool reachesPassMark(int score, int passMark)
{
    return score >= passMark;
}

QString failedSentenceMessage(int score, int passMark)
{
    return QStringLiteral("您的本句得分为") + shortestDecimal(score) +
           QStringLiteral("分，低于设定的过关分数") + shortestDecimal(passMark) +
           QStringLiteral("分，您未能过关，请按空格键重做当前句子");
}

QString passedSentenceMessage(int score)
{
    return QStringLiteral("您的得分为") + shortestDecimal(score) +
           QStringLiteral("分，恭喜您已完成本句听写，请按空格键进入下一句");
}

QString scoringRulesText()
{
    return QStringLiteral(
        "听写中使用渐进提示一次扣除1分，使用直接提示一次扣除5分，错误一次扣除3分，"
        "最后得分高于设定的过关分数即可完成本句听写。");
}

} // namespace kelvaro
