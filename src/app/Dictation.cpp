#include "Dictation.h"

#include "DictationScoring.h"
#include "FreeSpellingActions.h"
#include "SentenceDisplay.h"
#include "WordCueActions.h"

#include "modes/DictationTest.h"
#include "modes/FreeSpelling.h"
#include "modes/WordCueHints.h"

namespace kelvaro {

namespace {

void playFeedback(MainContext& context, const char* fileName)
{
    context.ports.feedback.play(context.state.folder.feedbackSound(QString::fromLatin1(fileName)));
}

void focusWordBox(MainContext& context)
{
    const MainState& state = context.state;
    if (state.ModeIndex == Mode::DictationTest && state.dictation.WriteWordTextVisible)
        context.focus = FocusTarget::WriteWordText;
}

// The box to the next hidden word; when none is left the sentence is scored, but only while
// the learner is sitting the test (other modes show the sentence without scoring it).
void advanceOrEvaluate(MainContext& context)
{
    if (!advanceToNextWord(context.state) && context.state.ModeIndex == Mode::DictationTest)
        evaluateSentence(context);
}

} // namespace

void showDictationSentence(MainContext& context)
{
    MainState& state = context.state;
    showFreeSpellingLines(state);
    resetDictationScore(state);
    state.dictation.WriteDoneCueVisible = state.SentenceDone;
    hideDictationSlots(state);
    advanceOrEvaluate(context);
}

void resetDictationSentence(MainContext& context)
{
    MainState& state = context.state;
    hideDictationSlots(state);
    resetWordCue(state);
    context.timers.SetFocusTimer->setEnabled(true);
    state.wordPopup.visible = false;
    advanceOrEvaluate(context);
}

void dictationTextChanged(MainContext& context, const QString& text)
{
    MainState& state = context.state;
    const QString word = currentDictationWord(state);
    const DictationTyping typing = typeInDictationBox(state, text);
    if (context.practiceLog && typing == DictationTyping::Wrong)
        context.practiceLog->dictationWordWrong(state, word, state.dictation.WriteWordText);
    if (context.practiceLog && typing == DictationTyping::Accepted)
        context.practiceLog->dictationWordRight(state, word);
    switch (typing) {
    case DictationTyping::Nothing:
        break;
    case DictationTyping::Typed:
        playFeedback(context, "type.wav");
        break;
    case DictationTyping::Accepted:
        state.wordPopup.visible = false;
        state.cue.visible = false;
        advanceOrEvaluate(context);
        break;
    case DictationTyping::Wrong:
        state.wordPopup.visible = false;
        state.cue.visible = false;
        playFeedback(context, "wrong.wav");
        break;
    }
}

bool dictationKeyPressed(MainContext& context)
{
    return startFreshAttempt(context.state);
}

void progressiveHint(MainContext& context)
{
    MainState& state = context.state;
    if (currentDictationWord(state).isEmpty() || !state.dictation.WriteWordTextVisible)
        return;
    cueProgressiveHint(context, state.dictation.DictationWordIndex);
    ++state.dictation.score.progressive;
    state.dictation.score.score -= kProgressiveHintCost;
    focusWordBox(context);
}

void directHint(MainContext& context)
{
    MainState& state = context.state;
    if (currentDictationWord(state).isEmpty() || !state.dictation.WriteWordTextVisible)
        return;
    // The card opens with all its lines, whatever it showed of the word before.
    cueFullReveal(context, state.dictation.DictationWordIndex, true);
    ++state.dictation.score.directHints;
    state.dictation.score.score -= kDirectHintCost;
    focusWordBox(context);
}

void dictationFirstSentence(MainContext& context)
{
    offeredFirstSentence(context);
    focusWordBox(context);
}

void dictationPreviousSentence(MainContext& context)
{
    offeredPreviousSentence(context);
    focusWordBox(context);
}

void dictationNextSentence(MainContext& context)
{
    offeredNextSentence(context);
    focusWordBox(context);
}

void dictationReadAloud(MainContext& context)
{
    readAloud(context);
    focusWordBox(context);
}

void selectFreeSpelling(MainContext& context)
{
    MainState& state = context.state;
    state.ModeIndex = Mode::FreeSpelling;
    state.TabVisible[Mode::DictationTest] = false;
    state.TabVisible[Mode::FreeSpelling] = true;
    state.options.writeMode = WriteMode::FreeSpelling;
    context.focus = FocusTarget::WriteText;
}

void selectDictationTest(MainContext& context)
{
    MainState& state = context.state;
    state.ModeIndex = Mode::DictationTest;
    state.TabVisible[Mode::FreeSpelling] = false;
    state.TabVisible[Mode::DictationTest] = true;
    state.options.writeMode = WriteMode::DictationTest;
    focusWordBox(context);
}

void setPassMark(MainContext& context, int passMark)
{
    context.state.options.setFraction = passMark;
}

void toggleDictationChinese(MainContext& context)
{
    Settings& options = context.state.options;
    options.wordChineseCheck = !options.wordChineseCheck;
}

} // namespace kelvaro
