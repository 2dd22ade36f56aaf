#pragma once

#include "MainState.h"

#include "ports/TextMeasurer.h"

namespace kelvaro {

/// Builds the cell sequence of the open lesson: a cell per segment, an end marker per sentence.
void buildFullTextCells(MainState& state, const TextMeasurer& measurer);

/// Lays the page out with each sentence's Chinese line under it (englishAndChinese) or English
/// only.
void layoutFullText(MainState& state, bool englishAndChinese);

/// Lays the page out as the full-text Chinese check box says.
inline void layoutFullTextForCheck(MainState& state)
{
    layoutFullText(state, state.options.allChineseCheck == FullTextChinese::Shown);
}

/// Underlines the current sentence's cells and sets SentenceCellOffset.
void underlineCurrentSentence(MainState& state);

/// Scrolls the current sentence into the middle of the full-text page.
void centreFullTextView(MainState& state);

/// True for an end-marker cell (its caption begins with "#").
inline bool isEndMarker(const ViewElement& cell)
{
    return !cell.caption.isEmpty() && cell.caption.front() == u'#';
}

/// True when text begins with a letter a-z of either case.
inline bool startsWithLetter(const QString& text)
{
    if (text.isEmpty())
        return false;
    const char16_t c = text.front().unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

/// True when text ends with a letter a-z of either case.
inline bool endsWithLetter(const QString& text)
{
    if (text.isEmpty())
        return false;
    const char16_t c = text.back().unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace kelvaro
