#pragma once

#include "MainContext.h"

#include "modes/WordActions.h"

namespace kelvaro {

/// The word tools over the window's context: lookUp fills the popup's texts, readWord
/// speaks the popup's word 10 ms later.
class ShellWordActions : public WordActions
{
public:
    explicit ShellWordActions(MainContext& context) : m_context(context) {}
    WordFacts lookUp(const QString& word) override;
    void readWord() override;

private:
    MainContext& m_context;
};

// The hint card's operations on word k of the current sentence (HintWordIndex ← k first).
// The dictation test calls the first two for F5 and F6 (with asHidden = true).

/// progressiveHint on word k: one more line of the card.
void cueProgressiveHint(MainContext& context, int k);

/// fullReveal on word k; asHidden opens the card fully whatever the word's state.
void cueFullReveal(MainContext& context, int k, bool asHidden = false);

/// hoverHint: the pointer is over word k.
void cueHover(MainContext& context, int k);

/// A click on a line of the card.
void cueLineClicked(MainContext& context, CueLine line);

/// Hides the card (a click on the empty part of the recall panel).
void hideWordCue(MainContext& context);

} // namespace kelvaro
