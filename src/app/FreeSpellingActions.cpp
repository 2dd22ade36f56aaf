#include "FreeSpellingActions.h"

#include "SentenceDisplay.h"

#include "modes/FreeSpelling.h"

namespace kelvaro {

namespace {

void playFeedback(MainContext& context, const char* fileName)
{
    context.ports.feedback.play(context.state.folder.feedbackSound(QString::fromLatin1(fileName)));
}

void focusWriteText(MainContext& context)
{
    context.focus = FocusTarget::WriteText;
}

} // namespace

bool freeSpellingKeyPressed(MainContext& context, bool enter, const QString& text)
{
    MainState& state = context.state;
    // The next key hides a sentence a hint revealed.
    if (!state.options.writeEnglishCheck && englishLineShown(state))
        maskEnglishLine(state);
    if (!enter) {
        playFeedback(context, "type.wav");
        return false;
    }
    state.dictation.WriteText = text;
    const bool right = checkWriteText(state);
    if (context.practiceLog)
        context.practiceLog->spellingChecked(state, right, text);
    if (right)
        spellingNextSentence(context);
    else
        playFeedback(context, "wrong.wav");
    return true;
}

void freeSpellingTextEdited(MainContext& context, const QString& text)
{
    context.state.dictation.WriteText = text;
    context.state.dictation.WriteTextSelectStart = -1;
}

void cueEnglish(MainContext& context)
{
    revealEnglishLine(context.state);
    focusWriteText(context);
}

void cueChinese(MainContext& context)
{
    revealChineseLine(context.state);
    focusWriteText(context);
}

void englishLineClicked(MainContext& context)
{
    MainState& state = context.state;
    if (englishLineShown(state)) {
        maskEnglishLine(state);
        return;
    }
    revealEnglishLine(state);
    focusWriteText(context);
}

void chineseLineClicked(MainContext& context)
{
    MainState& state = context.state;
    if (chineseLineShown(state)) {
        closeChineseLine(state);
        return;
    }
    revealChineseLine(state);
    focusWriteText(context);
}

void toggleWriteEnglishCheck(MainContext& context)
{
    MainState& state = context.state;
    if (state.options.writeEnglishCheck) {
        state.options.writeEnglishCheck = false;
        maskEnglishLine(state);
    } else {
        state.options.writeEnglishCheck = true;
        revealEnglishLine(state);
    }
}

void toggleWriteChineseCheck(MainContext& context)
{
    MainState& state = context.state;
    if (state.options.writeChineseCheck) {
        state.options.writeChineseCheck = false;
        closeChineseLine(state);
    } else {
        state.options.writeChineseCheck = true;
        revealChineseLine(state);
    }
}

void spellingFirstSentence(MainContext& context)
{
    offeredFirstSentence(context);
    focusWriteText(context);
}

void spellingPreviousSentence(MainContext& context)
{
    offeredPreviousSentence(context);
    focusWriteText(context);
}

void spellingNextSentence(MainContext& context)
{
    offeredNextSentence(context);
    emptyWriteText(context.state);
    focusWriteText(context);
}

void spellingReadAloud(MainContext& context)
{
    readAloud(context);
    focusWriteText(context);
}

} // namespace kelvaro
