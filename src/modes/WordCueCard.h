#pragma once

#include "ViewElement.h"

#include <QString>

#include <array>

namespace kelvaro {

/// The hint card's lines, top to bottom.
enum class CueLine { Word, FirstLetter, Meaning, Read, Pronunciation };
inline constexpr int kCueLineCount = 5;

/// The card's size (WordCuePicture), in twips: five lines of a caption and a value.
inline constexpr int kCueCardWidth = 3300;
inline constexpr int kCueCardHeight = 1770;

/// One value label of the card.
struct CueValue
{
    QString text;
    bool prompt = false; ///< "[提示]" in the not-revealed font (新宋体, 9 points, not bold)
};

/// What a lookup told the card about its word.
struct WordFacts
{
    QString headword;      ///< WordEnglishTextLabel
    QString meaning;       ///< WordChineseTextLabel
    QString pronunciation; ///< WordPronTextLabel
};

/// The word hint card (WordCuePicture) that recall and the dictation test share.
struct WordCueCard
{
    bool visible = false;
    TwipRect geometry{0, 0, kCueCardWidth, kCueCardHeight}; ///< relative to the window
    std::array<CueValue, kCueLineCount> lines;              ///< in CueLine order
    WordFacts facts;        ///< the last lookup of the card's word (the line clicks use it)
    int HintWordIndex = 0;  ///< the word (segment) of the current sentence the card refers to
    int HintStage = 0;      ///< 0..6, and past 6 after a full reveal
    QString LastHintedWord; ///< display text of the word that last got a progressive hint

    CueValue& line(CueLine l) { return lines[std::size_t(l)]; }
    const CueValue& line(CueLine l) const { return lines[std::size_t(l)]; }
};

/// The caption of a value label not yet revealed.
inline QString cuePrompt()
{
    return QStringLiteral("[提示]");
}

/// The caption of the read line once revealed.
inline QString cueReadCaption()
{
    return QStringLiteral("点击复读");
}

} // namespace kelvaro
