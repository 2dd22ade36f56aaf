#include "TranslationSelfTest.h"

#include "ContinuousReading.h"
#include "SentenceDisplay.h"

#include "modes/TranslationReveal.h"

namespace kelvaro {

namespace {

bool clickable(const MainState& state, int s, TranslationSide side)
{
    if (s < 1 || s > state.SentenceCount || s >= state.translation.EnglishTextLabel.size())
        return false;
    const int mode = revealModeOf(state.options.translationMode);
    return side == TranslationSide::English ? coversEnglish(mode) : coversChinese(mode);
}

void playFeedback(MainContext& context, const char* sound)
{
    context.ports.feedback.play(context.state.folder.feedbackSound(QString::fromLatin1(sound)));
}

bool fullTextChineseOff(const MainState& state)
{
    return state.options.allChineseCheck == FullTextChinese::Hidden;
}

void showChinese(MainContext& context, int s)
{
    context.ports.dialogs.information(QStringLiteral("中文"),
                                      context.state.translation.ChineseTextLabel[s].caption);
}

} // namespace

void applyTranslationReveal(MainContext& context)
{
    MainState& state = context.state;
    applyRevealMode(state, revealModeOf(state.options.translationMode));
}

void chooseRevealMode(MainContext& context, int mode)
{
    applyRevealMode(context.state, mode);
    context.focus = FocusTarget::TranslationKeys;
}

bool translationLinePressed(MainContext& context, int s, TranslationSide side)
{
    if (!clickable(context.state, s, side))
        return false;
    playFeedback(context, "MouDown.wav");
    return true;
}

bool translationLineReleased(MainContext& context, int s, TranslationSide side)
{
    MainState& state = context.state;
    if (!clickable(state, s, side))
        return false;
    if (side == TranslationSide::Chinese) {
        playFeedback(context, "MouUp.wav");
        toggleChineseLine(state, s);
        return true;
    }
    state.CurrentSentence = s;
    playFeedback(context, "MouUp.wav");
    toggleEnglishLine(state, s);
    showSentence(context);
    context.focus = FocusTarget::TranslationKeys;
    return true;
}

void resetTranslation(MainContext& context)
{
    MainState& state = context.state;
    coverAllLines(state);
    scrollToTop(state.translation.scroll);
    context.focus = FocusTarget::TranslationKeys;
}

void translationLineDoubleClicked(MainContext& context, int s)
{
    const MainState& state = context.state;
    if (!fullTextChineseOff(state) || s < 1 || s >= state.translation.ChineseTextLabel.size())
        return;
    pausePlayers(context);
    showChinese(context, s);
}

void fullTextCellDoubleClicked(MainContext& context, int index)
{
    MainState& state = context.state;
    const QVector<int>& cellSentence = state.fullText.cellSentence;
    if (!fullTextChineseOff(state) || index < 1 || index >= cellSentence.size())
        return;
    const int s = cellSentence[index];
    if (s < 1 || s >= state.translation.ChineseTextLabel.size())
        return;
    // A continuous reading is held, as "暂停朗读" does, so that "继续朗读" takes it up again.
    if (state.fullText.readingRuns)
        holdContinuousReading(context);
    else
        pausePlayers(context);
    if (s != state.CurrentSentence)
        goToSentence(context, s, false);
    showChinese(context, s);
}

} // namespace kelvaro
