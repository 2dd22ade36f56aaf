#pragma once

#include "WordCueCard.h"

namespace kelvaro {

/// The word tools the practice modes call, given by the shell: the dictionary lookup that
/// fills the word popup's texts, and the speaking of the looked-up word.
class WordActions
{
public:
    virtual ~WordActions() = default;
    /// Looks word up (the popup's texts follow, the popup is not shown).
    virtual WordFacts lookUp(const QString& word) = 0;
    /// Speaks the last looked-up word.
    virtual void readWord() = 0;
};

} // namespace kelvaro
