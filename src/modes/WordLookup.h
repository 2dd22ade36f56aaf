#pragma once

#include "MainState.h"

#include "content/Dictionary.h"
#include "ports/TextMeasurer.h"

#include <QPoint>

namespace kelvaro {

// The fonts the popup's parts are measured in; the popup widget draws them in the same ones.
inline constexpr TextFont kPopupHeadwordFont = TextFont::PopupHeadword;
inline constexpr TextFont kPopupMeaningFont = TextFont::TranslationChinese; ///< also the link
inline constexpr TextFont kPopupPronunciationLine = TextFont::TranslationEnglish;

/// The popup's narrowest width (the popup and its frame), in twips.
inline constexpr int kPopupWidth = 2295;
/// The narrowest width for an open-dictionary entry, whose English definitions need the room.
inline constexpr int kOpenPopupWidth = 3900;

/// The mark of an entry from the open dictionary.
inline QString openDictionaryMark()
{
    return QStringLiteral("开放词典");
}

/// The caption of the online lookup link.
inline QString wordLinkCaption()
{
    return QStringLiteral("<词典>");
}

/// Fills the popup from a lookup and sizes it: the link 90 twips right of the headword (110 when
/// a suffix rule found it), the width 2295 twips or the link's right edge + 75, the height what
/// the meaning's lines need. An open-dictionary entry is at least 3900 twips wide and carries
/// its mark at the right end of the headword's row. Neither shows nor moves the popup.
void fillWordPopup(WordPopupView& popup, const LookupResult& lookup, const TextMeasurer& measurer);

/// Places the popup 230 twips right of and below the pointer, or to its left / above it where it
/// would cross the window's right / bottom edge; never outside the window. pointer: the screen
/// position in twips; window: the window's place on the screen and its size, in twips.
void placeWordPopup(WordPopupView& popup, QPoint pointer, const TwipRect& window);

/// The lines text takes when wrapped at width twips in font: at blanks, and between any two
/// Chinese characters, as the popup's label wraps it. A line break always starts a new line.
int wrappedLineCount(const QString& text, int width, TextFont font, const TextMeasurer& measurer);

} // namespace kelvaro
