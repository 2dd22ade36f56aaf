#include "FreeSpelling.h"

#include "DictationRules.h"

namespace kelvaro {

namespace {

QString englishText(const MainState& state)
{
    return state.sentence.SenEnglishTextLabel.caption;
}

QString chineseText(const MainState& state)
{
    return state.sentence.SenChineseLabel.caption;
}

} // namespace

void showFreeSpellingLines(MainState& state)
{
    if (!state.options.writeEnglishCheck)
        maskEnglishLine(state);
    else
        revealEnglishLine(state);
    if (!state.options.writeChineseCheck)
        closeChineseLine(state);
    else
        revealChineseLine(state);
}

bool englishLineShown(const MainState& state)
{
    return state.dictation.WriteSenEnglishLabel == englishText(state);
}

bool chineseLineShown(const MainState& state)
{
    return state.dictation.WriteSenChineseLabel == chineseText(state);
}

void maskEnglishLine(MainState& state)
{
    state.dictation.WriteSenEnglishLabel = kelvaro::maskEnglishLine(englishText(state));
}

void revealEnglishLine(MainState& state)
{
    state.dictation.WriteSenEnglishLabel = englishText(state);
}

void revealChineseLine(MainState& state)
{
    state.dictation.WriteSenChineseLabel = chineseText(state);
}

void closeChineseLine(MainState& state)
{
    state.dictation.WriteSenChineseLabel = QString::fromUtf16(kChineseClosed);
}

void emptyWriteText(MainState& state)
{
    state.dictation.WriteText.clear();
    state.dictation.WriteTextSelectStart = -1;
    ++state.dictation.writeTextRevision;
}

bool checkWriteText(MainState& state)
{
    const SpellingCheck check = checkFreeSpelling(englishText(state), state.dictation.WriteText);
    state.dictation.WriteTextSelectStart = check.wrongAt;
    ++state.dictation.writeTextRevision;
    return check.passed;
}

} // namespace kelvaro
