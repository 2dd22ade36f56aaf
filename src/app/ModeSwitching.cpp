#include "ModeSwitching.h"

#include "ContinuousReading.h"
#include "Dictation.h"
#include "VoiceComparing.h"
#include "modes/Recall.h"

namespace kelvaro {

QString tabCaption(int k)
{
    switch (k) {
    case kFullTextMode:
        return QStringLiteral("全文浏览");
    case kSentenceBrowseMode:
        return QStringLiteral("句子浏览");
    case kTranslationMode:
        return QStringLiteral("英汉互译");
    case kDictationTestMode:
        return QStringLiteral("听写练习");
    case kReadAfterMode:
        return QStringLiteral("跟读对比");
    case kFreeSpellingMode:
        return QStringLiteral("听写练习");
    case kRecallMode:
        return QStringLiteral("句子回想");
    case kFillInMode:
        return QStringLiteral("单词填空");
    default:
        return {};
    }
}

void tabClicked(MainContext& context, int k)
{
    MainState& state = context.state;
    state.ModeIndex = k;
    showModePanel(context);
    focusForMode(context);
    state.CurrentReadCount = 0;
    Timers& t = context.timers;
    for (Timer* timer : {t.Timer3, t.Timer4, t.Timer5, t.Timer6, t.Timer7, t.ReadTimer})
        timer->setEnabled(false);
    context.ports.lessonPlayer.pause();
    // Nothing reads any more: the full-text buttons go back to rest.
    endContinuousReading(state);
}

void showModePanel(MainContext& context)
{
    MainState& state = context.state;
    if (state.ModeIndex == 5 || state.ModeIndex < 1 || state.ModeIndex > 9)
        state.ModeIndex = kFullTextMode;
    // The window shows the panel of ModeIndex; entering recall covers its words again.
    if (state.ModeIndex == kRecallMode)
        resetRecall(state);
    // The word popup and hint card close.
    state.wordPopup.visible = false;
    state.cue.visible = false;
    context.state.sentence.NoneNotePictureVisible =
        state.senChineseShown() && state.sentence.SenNoteText.caption.isEmpty();
    // Entering the dictation test starts the sentence's words afresh.
    if (state.ModeIndex == kDictationTestMode)
        resetDictationSentence(context);
    // Entering read-after analyses the sentence's reading for its picture.
    followVoiceSentence(context);
}

void focusForMode(MainContext& context)
{
    switch (context.state.ModeIndex) {
    case kFullTextMode:
        context.focus = FocusTarget::FullTextKeys;
        break;
    case kTranslationMode:
        context.focus = FocusTarget::TranslationKeys;
        break;
    case kFreeSpellingMode:
        context.focus = FocusTarget::WriteText;
        break;
    case kDictationTestMode:
        context.focus = FocusTarget::WriteWordText;
        break;
    case kFillInMode:
        context.focus = FocusTarget::CurrentWordWriteText;
        break;
    default:
        break;
    }
}

void applyWriteMode(MainContext& context)
{
    MainState& state = context.state;
    state.TabVisible.fill(true);
    state.TabVisible[0] = false;
    state.TabVisible[5] = false;
    if (state.options.writeMode == WriteMode::DictationTest) {
        if (state.ModeIndex == kFreeSpellingMode)
            state.ModeIndex = kDictationTestMode;
        state.TabVisible[kFreeSpellingMode] = false;
    } else {
        if (state.ModeIndex == kDictationTestMode)
            state.ModeIndex = kFreeSpellingMode;
        state.TabVisible[kDictationTestMode] = false;
    }
}

} // namespace kelvaro

namespace kelvaro {

void mouseMovedOver(MainContext& context, PointerArea area)
{
    MainState& state = context.state;
    switch (area) {
    case PointerArea::TranslationPage:
        state.treeMoves = 0;
        if (++state.translationMoves > 5)
            context.focus = FocusTarget::TranslationKeys;
        break;
    case PointerArea::FullTextPage:
        state.treeMoves = 0;
        if (++state.fullTextMoves > 5)
            context.focus = FocusTarget::FullTextKeys;
        break;
    case PointerArea::Tree:
        state.translationMoves = 0;
        state.fullTextMoves = 0;
        if (++state.treeMoves > 5)
            context.focus = FocusTarget::Tree;
        break;
    }
}

} // namespace kelvaro
