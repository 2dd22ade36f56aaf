#pragma once

#include "MainState.h"
#include "WordActions.h"

#include "ports/TextMeasurer.h"

#include <optional>

namespace kelvaro {

/// Appends the segment numbers (1-based) of a record's marked words, read as recordSegments
/// reads them but without copying any text.
void appendMarkedWords(QStringView record, QVector<int>& words);

/// The lesson's key words in full-text order, decided by the records' marks (never by label
/// colours, which a key-word colour equal to the normal one would hide). Found again only
/// when the records or the full-text cells have changed since the last call.
const KeyWordPlaces& lessonKeyWords(MainState& state);

/// The fill-in texts, shown exactly as the learner reads them.
QString noKeyWordMessage();
QString correctMessage();
QString lessonDoneMessage();

/// Blanks the first key word of the current sentence, or shows that it has none;
/// then the progress, the stepping buttons and the availability. speak: showBlank may speak.
void refreshFillIn(MainState& state, WordActions& words, const TextMeasurer& measurer, bool speak);

/// Word BlankWordNumber of the current sentence becomes the blank, with the hints the
/// options ask for; speaks it when speak and "提示读音" is checked.
void showBlank(MainState& state, WordActions& words, const TextMeasurer& measurer, bool speak);

/// The box over the blank as wide as what is typed in it (never narrower than the blank, never
/// past the panel's right margin), so that no letter scrolls out of sight.
void fitFillInBox(MainState& state, const TextMeasurer& measurer);

/// The progress "i / K" for KeyWordPosition and the stepping buttons.
void updateFillInProgress(MainState& state);

/// The three hint texts in one row at the Chinese line's height, from 30 twips right of
/// the blank; empty ones take no room.
void setCue(MainState& state, const TextMeasurer& measurer);

/// Shows the bubble with message, sized to it (wrapped inside the panel); below the meaning
/// hint, or at the Chinese line's height when there is no blank.
void showBubble(MainState& state, const QString& message, const TextMeasurer& measurer);

/// The key word after (forward) or before KeyWordPosition; nullopt past either end.
std::optional<KeyWordSpot> steppedKeyWord(MainState& state, bool forward);

/// The blank's text as shown, without the blanks that follow the word in its segment.
QString blankDisplayText(const MainState& state);

/// True when typed fills the blank: it equals the shown text or the dictionary form, A-Z
/// without case, a typographic apostrophe equal to the keyboard's.
bool fillsBlank(const QString& typed, const QString& shown, const QString& dictionaryForm);

/// True while the blank's box is shown (the sentence has a key word).
inline bool hasBlank(const MainState& state)
{
    return state.fillIn.CurrentWordWriteText.visible;
}

} // namespace kelvaro
