#include "WordCueActions.h"

#include "WordSpeaking.h"
#include "WordTools.h"

#include "modes/WordCueHints.h"

namespace kelvaro {

WordFacts ShellWordActions::lookUp(const QString& word)
{
    lookUpWord(m_context, word);
    const WordPopupView& popup = m_context.state.wordPopup;
    // The hint rows hold one line: an open entry gives its first (the Chinese, or a sense).
    const QString meaning = popup.openEntry ? popup.WordChineseTextLabel.section(u'\n', 0, 0)
                                            : popup.WordChineseTextLabel;
    return WordFacts{popup.WordEnglishTextLabel, meaning, popup.WordPronTextLabel};
}

void ShellWordActions::readWord()
{
    kelvaro::readWord(m_context);
}

void cueProgressiveHint(MainContext& context, int k)
{
    ShellWordActions words(context);
    context.state.cue.HintWordIndex = k;
    progressiveHint(context.state, words);
}

void cueFullReveal(MainContext& context, int k, bool asHidden)
{
    ShellWordActions words(context);
    context.state.cue.HintWordIndex = k;
    fullReveal(context.state, words, asHidden);
}

void cueHover(MainContext& context, int k)
{
    context.state.cue.HintWordIndex = k;
    hoverHint(context.state);
}

void cueLineClicked(MainContext& context, CueLine line)
{
    ShellWordActions words(context);
    clickCueLine(context.state, words, line);
}

void hideWordCue(MainContext& context)
{
    context.state.cue.visible = false;
}

} // namespace kelvaro
