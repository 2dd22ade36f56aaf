// Summed advances against Qt's own shaping of the whole text, in the Latin faces of the views.
#include "ui/LatinAdvances.h"
#include "ui/Fonts.h"

#include <QFontInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

class LatinAdvancesTest : public ::testing::TestWithParam<TextFont>
{
protected:
    void SetUp() override
    {
        registerFontSubstitutions();
        font = fontFor(GetParam());
        // The sums are only promised in the faces the program installs for its Latin fonts.
        ASSERT_TRUE(QFontInfo(font).family().startsWith(QStringLiteral("Liberation")))
            << qPrintable(QFontInfo(font).family());
    }

    QFont font;
};

} // namespace

TEST_P(LatinAdvancesTest, SumsGiveWhatShapingTheWholeTextGives)
{
    QStringList texts = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("a"),
        QStringLiteral("ffi"),
        QStringLiteral("ffl"),
        QStringLiteral("fi fl"),
        QStringLiteral("AVATAR"),
        QStringLiteral("To. Yo, We; Ty:"),
        QStringLiteral("L'Y \"T\" (V) [W]"),
        QStringLiteral("1/2 11 111 1,000.00"),
        QStringLiteral("  two  blanks  "),
        QStringLiteral("It's the WAVE of 7 pm, isn't it?"),
        QStringLiteral("~!@#$%^&*()_+`-={}|[]\\:;<>?,./"),
    };
    // Fixed seed: a failure names a text that fails again.
    QRandomGenerator random(20240611);
    for (int i = 0; i < 3000; ++i) {
        QString text;
        for (int length = random.bounded(1, 40); length > 0; --length)
            text += QChar(random.bounded(0x20, 0x7F));
        texts.append(text);
    }

    LatinAdvances advances(font);
    const QFontMetricsF metrics(font);
    for (const QString& text : texts) {
        ASSERT_TRUE(LatinAdvances::covers(text));
        EXPECT_EQ(advances.horizontalAdvance(text), metrics.horizontalAdvance(text))
            << '"' << qPrintable(text) << '"';
    }
    EXPECT_TRUE(advances.isExact());
}

INSTANTIATE_TEST_SUITE_P(LatinFonts, LatinAdvancesTest,
                         ::testing::Values(TextFont::SentenceWord, TextFont::FullTextWord,
                                           TextFont::TranslationEnglish, TextFont::PopupHeadword),
                         [](const ::testing::TestParamInfo<TextFont>& info) {
                             switch (info.param) {
                             case TextFont::SentenceWord:
                                 return "SentenceWord";
                             case TextFont::FullTextWord:
                                 return "FullTextWord";
                             case TextFont::TranslationEnglish:
                                 return "TranslationEnglish";
                             default:
                                 return "PopupHeadword";
                             }
                         });

TEST(LatinAdvancesCoverTest, CoversPrintableAsciiOnly)
{
    const struct
    {
        const char16_t* text;
        bool covered;
    } cases[] = {
        {u"", true},
        {u" ~", true},
        {u"Hello, world.", true},
        {u"tab\there", false},
        {u"line\n", false},
        {u"\u007f", false},
        {u"caf\u00e9", false},
        {u"\u201cquoted\u201d", false},
        {u"\u4e2d\u6587", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LatinAdvances::covers(QStringView(c.text)), c.covered)
            << qPrintable(QString::fromUtf16(c.text));
}
