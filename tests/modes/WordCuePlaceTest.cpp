// Where the word hint card stands: never over its word or the Chinese line the learner works
// from, always inside the panel, at the normal and the maximised panel size.
#include "modes/WordCueHints.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvaro;

namespace {

bool overlaps(const TwipRect& a, const TwipRect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

std::string describe(const TwipRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
           "x" + std::to_string(r.height);
}

constexpr int kRowTop = 1050; // the first row of words
constexpr int kRowStep = 330; // a row of 300 twip words and the gap under it

} // namespace

// Regression: the card stood right under its word, over the Chinese line below the sentence.
TEST(WordCuePlace, ClearOfItsWordAndTheChineseLineInsideEveryPanel)
{
    const struct
    {
        const char* name;
        int width, height;
    } panels[] = {
        {"normal", 9270, 7290},
        {"maximised 1920 x 1080", 26070, 14120},
        {"maximised 1366 x 768", 17760, 9440},
    };
    const struct
    {
        const char* name;
        int rows;         ///< rows of words in the sentence
        int chineseLines; ///< the Chinese line wraps to as many lines at full width
        int chineseWidth; ///< 0: the full wrap width
    } sentences[] = {
        {"one row, a short Chinese line", 1, 1, 1200},
        {"one row, a long Chinese line", 1, 1, 0},
        {"three rows, Chinese on two lines", 3, 2, 0},
        {"six rows, Chinese on three lines", 6, 3, 0},
    };
    for (const auto& panel : panels) {
        for (const auto& sentence : sentences) {
            const int wrapWidth = panel.width - 1250;
            const int rowsBottom = kRowTop + (sentence.rows - 1) * kRowStep + 300;
            const TwipRect chinese{450, rowsBottom + 135,
                                   sentence.chineseWidth ? sentence.chineseWidth : wrapWidth,
                                   300 * sentence.chineseLines};
            for (int row = 0; row < sentence.rows; ++row) {
                for (int left = 450; left + 600 <= panel.width - 300; left += 700) {
                    for (int width : {240, 600, 1800}) {
                        if (left + width > panel.width - 300)
                            continue;
                        const TwipRect word{left, kRowTop + row * kRowStep, width, 300};
                        SCOPED_TRACE(std::string(panel.name) + ", " + sentence.name + ", word " +
                                     describe(word));
                        const TwipRect card =
                            wordCuePlace(word, chinese, panel.width, panel.height);
                        EXPECT_EQ(card.width, kCueCardWidth);
                        EXPECT_EQ(card.height, kCueCardHeight);
                        EXPECT_GE(card.left, 0);
                        EXPECT_GE(card.top, 0);
                        EXPECT_LE(card.right(), panel.width);
                        EXPECT_LE(card.bottom(), panel.height);
                        EXPECT_FALSE(overlaps(card, word)) << describe(card);
                        EXPECT_FALSE(overlaps(card, chinese)) << describe(card);
                    }
                }
            }
        }
    }
}

TEST(WordCuePlace, UnderItsWordWhenTheChineseLineIsFarBelowElseUnderTheChinese)
{
    const TwipRect word{1000, kRowTop, 600, 300};
    // Seven rows of words: the Chinese line is far enough down for the card to fit between.
    const TwipRect farChinese{450, kRowTop + 6 * kRowStep + 435, 3000, 300};
    EXPECT_EQ(wordCuePlace(word, farChinese, 9270, 7290),
              (TwipRect{1140, word.bottom() + 60, kCueCardWidth, kCueCardHeight}));
    // One row: the Chinese line right under the word; the card goes under it.
    const TwipRect nearChinese{450, word.bottom() + 135, 3000, 300};
    EXPECT_EQ(wordCuePlace(word, nearChinese, 9270, 7290),
              (TwipRect{1140, nearChinese.bottom() + 60, kCueCardWidth, kCueCardHeight}));
    // A word at the right edge: the card ends 90 twips inside the panel.
    const TwipRect edgeWord{8400, kRowTop, 600, 300};
    EXPECT_EQ(wordCuePlace(edgeWord, nearChinese, 9270, 7290).right(), 9270 - 90);
}
