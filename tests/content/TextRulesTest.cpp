#include "content/TextRules.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvaro;

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndStopsAtTheFirstOtherCharacter)
{
    struct Case
    {
        const char16_t* text;
        double expected;
    };
    const Case cases[] = {
        {u"12.5", 12.5},    {u"  -3.25abc", -3.25},
        {u"+7", 7},         {u"1e3", 1000},
        {u"2.5E-1x", 0.25}, {u"abc", 0},
        {u"", 0},           {u"-", 0},
        {u".5", 0.5},       {u"3.", 3},
        {u"4e", 4},         {u"100/", 100},
        {u"1,5", 1},        {u"\t9", 9},
        {u"True", 0},       {u"-1234.5", -1234.5},
        {u"1e-999", 0},     {u"-0.000001e-400", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf16(c.text)), c.expected)
            << QString::fromUtf16(c.text).toStdString();
}

// An underflow such as "1e-999" read as infinity.
TEST(LeadingNumber, BeyondTheRangeOfADoubleIsInfinityOrZeroByItsMagnitude)
{
    const std::pair<const char16_t*, double> cases[] = {
        {u"1e999", HUGE_VAL},
        {u"-1e999", -HUGE_VAL},
        {u"1e-999", 0},
        {u"-1e-999", 0},
        {u"0.0001e-320", 0},
        {u"12345e306", HUGE_VAL},
        {u"0.000000001e310", 1e301},
        {u"1e99999999999999999999", HUGE_VAL},
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ(leadingNumber(QString::fromUtf16(text)), expected)
            << QString::fromUtf16(text).toStdString();
}

TEST(ShortestDecimal, GivesTheShortestTextThatReadsBack)
{
    EXPECT_EQ(shortestDecimal(97), "97");
    EXPECT_EQ(shortestDecimal(-2), "-2");
    EXPECT_EQ(shortestDecimal(12.5), "12.5");
    EXPECT_EQ(shortestDecimal(-1234.5), "-1234.5");
    EXPECT_EQ(shortestDecimal(0.1), "0.1");
    EXPECT_EQ(shortestDecimal(-0.0), "0");
    for (double v : {0.1, 1.0 / 3, 123456.789, 3.0e-5, 16777215.0})
        EXPECT_EQ(leadingNumber(shortestDecimal(v)), v);
}

TEST(CaseInsensitiveComparison, FoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(equalsIgnoreAsciiCase(u"Hello", u"hELLO"));
    EXPECT_FALSE(equalsIgnoreAsciiCase(u"Straße", u"STRASSE"));
    EXPECT_FALSE(equalsIgnoreAsciiCase(u"é", u"É"));
    EXPECT_FALSE(equalsIgnoreAsciiCase(u"ab", u"abc"));
    EXPECT_EQ(indexOfIgnoreAsciiCase(u"$Book[x]$books[", u"$BOOKS["), 8);
    EXPECT_EQ(indexOfIgnoreAsciiCase(u"abc", u"d"), -1);
}
