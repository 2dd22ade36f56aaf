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
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf16(c.text)), c.expected)
            << QString::fromUtf16(c.text).toStdString();
}

// A number too small for a double once read as infinity: "1e-400" became the largest value.
TEST(LeadingNumber, NumbersBeyondTheRangeOfADoubleGoToZeroOrInfinityByTheirSize)
{
    const QString manyZeros = QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1");
    const QString manyDigits = QStringLiteral("-1") + QString(400, u'0') + QStringLiteral(".5");
    struct Case
    {
        QString text;
        double expected;
    };
    const Case cases[] = {
        {QStringLiteral("1e-400"), 0.0},
        {QStringLiteral("-1e-400"), 0.0},
        {QStringLiteral("123e-330"), 0.0},
        {QStringLiteral("0.0001e-99999999999999"), 0.0},
        {manyZeros, 0.0},
        {QStringLiteral("1e400"), HUGE_VAL},
        {QStringLiteral("-0.001e99999999999999"), -HUGE_VAL},
        {QStringLiteral("0.01e311"), HUGE_VAL},
        {manyDigits, -HUGE_VAL},
        {QStringLiteral("4.9406564584124654e-324"), 4.9406564584124654e-324},
    };
    for (const Case& c : cases)
        EXPECT_EQ(leadingNumber(c.text), c.expected) << c.text.toStdString();
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
