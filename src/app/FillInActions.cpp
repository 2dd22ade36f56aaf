#include "FillInActions.h"

#include "SentenceDisplay.h"
#include "WordCueActions.h"

#include "modes/FillIn.h"

namespace kelvaro {

namespace {

void playFeedback(MainContext& context, const char* file)
{
    context.ports.feedback.play(context.state.folder.feedbackSound(QString::fromLatin1(file)));
}

bool fillInShown(const MainContext& context)
{
    return context.state.ModeIndex == Mode::FillIn;
}

// The lookup the hint keys start with: the blank's word, as the popup shows it.
WordFacts lookUpBlank(MainContext& context)
{
    FillInView& f = context.state.fillIn;
    context.state.ClickedWordNumber = f.BlankWordNumber;
    ShellWordActions words(context);
    f.facts = words.lookUp(f.SentenceWord);
    return f.facts;
}

} // namespace

void refreshFillIn(MainContext& context)
{
    ShellWordActions words(context);
    refreshFillIn(context.state, words, context.ports.measurer, fillInShown(context));
}

void goToKeyWord(MainContext& context)
{
    MainState& state = context.state;
    FillInView& f = state.fillIn;
    const QVector<int>& cellSentence = state.fullText.cellSentence;
    const int position = f.KeyWordPosition;
    if (position < 1 || position >= cellSentence.size())
        return;
    f.Picture7.visible = false;
    state.CurrentSentence = cellSentence[position];
    showSentence(context);
    context.rooms.catchUp(context, Mode::FillIn); // its words, even from another tab
    // The sentence waits at its start; it is not read.
    context.ports.lessonPlayer.setPosition(state.SentenceStart);
    context.ports.lessonPlayer.pause();
    context.timers.ReadTimer->setEnabled(false);

    f.KeyWordPosition = position; // the sentence's own refresh pointed at its first key word
    f.Picture7.visible = false;
    f.BlankWordNumber = position - state.fullText.SentenceCellOffset;
    ShellWordActions words(context);
    showBlank(state, words, context.ports.measurer, fillInShown(context));
    f.Command7Enabled = true;
    f.Command9Enabled = true;
    updateFillInProgress(state);
}

bool stepKeyWord(MainContext& context, bool forward)
{
    MainState& state = context.state;
    const std::optional<KeyWordSpot> spot = steppedKeyWord(state, forward);
    if (!spot)
        return false; // nothing changed on screen, so nothing changes in the state
    state.fillIn.KeyWordPosition = spot->cell;
    goToKeyWord(context);
    context.focus = FocusTarget::CurrentWordWriteText;
    state.fillIn.Command9Enabled = true;
    return true;
}

bool firstKeyWord(MainContext& context)
{
    FillInView& f = context.state.fillIn;
    const int position = f.KeyWordPosition;
    const int index = f.CurrentWordIndex;
    f.KeyWordPosition = 0;
    f.CurrentWordIndex = 0;
    if (stepKeyWord(context, true))
        return true;
    f.KeyWordPosition = position;
    f.CurrentWordIndex = index;
    return false;
}

void fillInTyped(MainContext& context, const QString& text)
{
    MainState& state = context.state;
    FillInView& f = state.fillIn;
    f.CurrentWordWriteText.caption = text;
    if (!hasBlank(state))
        return;
    fitFillInBox(state, context.ports.measurer);
    const QString shown = blankDisplayText(state);
    const bool filled = fillsBlank(text, shown, f.SentenceWord);
    // An outcome per try: the blank filled, or typed past its length.
    if (context.practiceLog && (filled || text.size() > shown.size()))
        context.practiceLog->fillInWord(state, shown, filled,
                                        !f.CurrentWordTextLabel[0].caption.isEmpty());
    if (filled) {
        showBubble(state, f.Command1Enabled ? correctMessage() : lessonDoneMessage(),
                   context.ports.measurer);
        playFeedback(context, "WordRight.wav");
        return; // an accepted text is never "too long"
    }
    f.Picture7.visible = false;
    if (!text.isEmpty())
        playFeedback(context, "type.wav");
    if (text.size() > shown.size()) {
        ++f.selectRequests;
        playFeedback(context, "wrong.wav");
    }
}

bool fillInSpace(MainContext& context)
{
    FillInView& f = context.state.fillIn;
    if (!f.Picture7.visible)
        return false;
    if (f.Command1Enabled)
        stepKeyWord(context, true);
    fillInTyped(context, QString());
    return true;
}

bool fillInBackspace(MainContext& context)
{
    if (!fillInShown(context) || !hasBlank(context.state) || !context.state.fillIn.Picture7.visible)
        return false;
    fillInTyped(context, QString());
    return true;
}

bool fillInHint(MainContext& context, FillInHint hint)
{
    MainState& state = context.state;
    FillInView& f = state.fillIn;
    if (!hasBlank(state))
        return false;
    const WordFacts facts = lookUpBlank(context);
    switch (hint) {
    case FillInHint::Meaning:
        f.CurrentWordTextLabel[1].caption = facts.meaning;
        break;
    case FillInHint::Speak: {
        ShellWordActions words(context);
        words.readWord();
        return true;
    }
    case FillInHint::Transcription:
        f.CurrentWordTextLabel[2].caption = facts.pronunciation;
        break;
    case FillInHint::Word:
        f.CurrentWordTextLabel[0].caption = facts.headword;
        break;
    }
    setCue(state, context.ports.measurer);
    if (f.Picture7.visible)
        showBubble(state, f.Picture7.caption, context.ports.measurer);
    return true;
}

bool fillInAnswer(MainContext& context)
{
    if (!hasBlank(context.state))
        return false;
    fillInTyped(context, blankDisplayText(context.state));
    context.focus = FocusTarget::CurrentWordWriteText;
    return true;
}

void readBlankWord(MainContext& context)
{
    if (!hasBlank(context.state))
        return;
    lookUpBlank(context);
    ShellWordActions(context).readWord();
    context.focus = FocusTarget::CurrentWordWriteText;
}

void toggleFillInOption(MainContext& context, FillInOption option)
{
    MainState& state = context.state;
    Settings& o = state.options;
    FillInView& f = state.fillIn;
    // The hints come from the blank's own lookup; without a blank only the mark changes.
    const bool blank = hasBlank(state);
    auto toggle = [&](bool& checked, int hint, const QString& value) {
        checked = !checked;
        f.CurrentWordTextLabel[hint].caption = checked && blank ? value : QString();
    };
    switch (option) {
    case FillInOption::Word:
        toggle(o.currentWordEnglish, 0, f.facts.headword);
        break;
    case FillInOption::Meaning:
        toggle(o.currentWordChinese, 1, f.facts.meaning);
        break;
    case FillInOption::Transcription:
        toggle(o.currentWordPron, 2, f.facts.pronunciation);
        break;
    case FillInOption::Speak:
        o.currentWordRead = !o.currentWordRead;
        if (o.currentWordRead && blank)
            readBlankWord(context);
        return;
    }
    setCue(state, context.ports.measurer);
    if (f.Picture7.visible && blank)
        showBubble(state, f.Picture7.caption, context.ports.measurer);
}

} // namespace kelvaro
