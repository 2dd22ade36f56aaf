#include "content/RtfReader.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

struct Case
{
    const char* name;
    QByteArray rtf;
    const char16_t* expected;
};

void expectPlainText(const Case& c)
{
    EXPECT_EQ(rtfToPlainText(c.rtf), QString::fromUtf16(c.expected))
        << c.name << ": " << c.rtf.constData();
}

} // namespace

TEST(RtfReader, ParagraphMarksBecomeLineEndsExceptTheLastOne)
{
    const Case cases[] = {
        {"final mark dropped", "{\\rtf1\\ansi\\ansicpg936 abc\\par }", u"abc"},
        {"only the last of two", "{\\rtf1 a\\par\\par }", u"a\r\n"},
        {"no final mark", "{\\rtf1 a\\par b}", u"a\r\nb"},
        {"empty paragraph only", "{\\rtf1 \\par }", u""},
        {"last mark before skipped groups", "{\\rtf1 a\\par {\\*\\x y}{\\info z}}", u"a"},
        {"marks in skipped groups", "{\\rtf1 a{\\header h\\par}\\par }", u"a"},
        {"line break kept at the end", "{\\rtf1 a\\line}", u"a\r\n"},
        {"backslash before a source line end", "{\\rtf1 a\\\r\nb}", u"a\r\nb"},
        {"source line ends ignored", "{\\rtf1 a\r\nb\nc\rd}", u"abcd"},
        {"section and page", "{\\rtf1 a\\sect b\\page c\\par }", u"a\r\nb\r\nc"},
    };
    for (const Case& c : cases)
        expectPlainText(c);
}

TEST(RtfReader, ControlSymbolsAndCharacterWords)
{
    const Case cases[] = {
        {"escapes", "{\\rtf1 \\\\\\{\\}}", u"\\{}"},
        {"non-breaking and optional hyphen", "{\\rtf1 a\\~b\\-c\\_d}", u"a\u00A0bc\u2011d"},
        {"typographic words",
         "{\\rtf1 \\emdash\\endash\\lquote x\\rquote\\ldblquote y\\rdblquote\\bullet}",
         u"\u2014\u2013\u2018x\u2019\u201Cy\u201D\u2022"},
        {"tab", "{\\rtf1 a\\tab b\\tab 1}", u"a\tb\t1"},
        {"delimiter blank is not text", "{\\rtf1\\fs18  two}", u" two"},
        {"huge parameter", "{\\rtf1\\fs99999999999999999999 x}", u"x"},
        {"text after the document", "{\\rtf1 a}b", u"a"},
    };
    for (const Case& c : cases)
        expectPlainText(c);
}

TEST(RtfReader, CodePageBytesAreCollectedAndDecodedTogether)
{
    const Case cases[] = {
        {"double-byte escapes", "{\\rtf1\\ansi\\ansicpg936 \\'c4\\'e3\\'ba\\'c3}", u"你好"},
        {"pair split by a source line end", "{\\rtf1 \\'c4\r\n\\'e3}", u"你"},
        {"raw eight-bit bytes", "{\\rtf1 \xc4\xe3!}", u"你!"},
        {"no character set named", "{\\rtf1 \\'c4\\'e3}", u"你"},
        {"euro sign", "{\\rtf1\\ansi\\ansicpg936 \\'80}", u"€"},
        {"lone line feed and return", "{\\rtf1 a\\'0db\\'0ac}", u"a\rb\nc"},
        {"code page 1252", "{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80}", u"café €"},
        {"font character sets",
         "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset134 "
         "\\'cb\\'ce;}}\\f0 caf\\'e9 \\f1\\'c4\\'e3}",
         u"café 你"},
        {"plain returns to the default font",
         "{\\rtf1{\\fonttbl{\\f0\\fcharset134 S;}{\\f1\\fcharset0 A;}}\\f1\\'e9\\plain\\'c4\\'e3}",
         u"é你"},
        {"font of a closed group", "{\\rtf1{\\fonttbl{\\f1\\fcharset0 A;}}{\\f1\\'e9}\\'c4\\'e3}",
         u"é你"},
    };
    for (const Case& c : cases)
        expectPlainText(c);
}

// Western editors write \ansi without \ansicpg: their bytes were read as code page 936.
TEST(RtfReader, AnsiWithoutCodePageIsWindows1252UnlessAFontSaysOtherwise)
{
    const Case cases[] = {
        {"accents and curly quotes", "{\\rtf1\\ansi le caf\\'e9 \\'93hi\\'94}",
         u"le café \u201Chi\u201D"},
        {"bytes that would pair in 936", "{\\rtf1\\ansi \\'c4\\'e3}", u"\u00C4\u00E3"},
        {"ansicpg936 still reads Chinese", "{\\rtf1\\ansi\\ansicpg936 \\'c4\\'e3}", u"你"},
        {"a Chinese font decides its bytes",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset134 S;}{\\f1\\fcharset0 A;}}"
         "\\'c4\\'e3\\f1 \\'e9}",
         u"你é"},
        {"traditional, Japanese, Korean fonts",
         "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset136 T;}{\\f2\\fcharset128 J;}{\\f3\\fcharset129 "
         "K;}}\\f1\\'a7\\'41\\f2\\'82\\'a0\\f3\\'b0\\'a1}",
         u"你あ가"},
        {"central European and Cyrillic fonts",
         "{\\rtf1\\ansi{\\fonttbl{\\f1\\fcharset238 C;}{\\f2\\fcharset204 R;}}\\f1\\'9a\\f2\\'e4}",
         u"šд"},
    };
    for (const Case& c : cases)
        expectPlainText(c);
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback)
{
    const Case cases[] = {
        {"question mark fallback", "{\\rtf1 \\u20320?\\u-29698?}", u"你课"},
        {"fallback is any character", "{\\rtf1 \\u20320ab}", u"你b"},
        {"no fallback", "{\\rtf1\\uc0 \\u20320 x}", u"你x"},
        {"two escaped bytes", "{\\rtf1\\uc2\\u20320\\'c4\\'e3z}", u"你z"},
        {"fallback length is scoped", "{\\rtf1{\\uc2\\u20320\\'c4\\'e3}\\u22909?}", u"你好"},
        {"a brace ends the fallback", "{\\rtf1\\uc3\\u20320{x}y}", u"你xy"},
        {"surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", u"😀"},
        {"code point above 16 bits", "{\\rtf1 \\u128512?}", u"😀"},
        {"no digits", "{\\rtf1 a\\u b}", u"ab"},
        {"question mark after a fallback", "{\\rtf1 \\u601??}", u"ə?"},
    };
    for (const Case& c : cases)
        expectPlainText(c);
}

TEST(RtfReader, NonTextDestinationsAreSkipped)
{
    const Case cases[] = {
        {"tables and info",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0;}{\\stylesheet{Normal;}}"
         "{\\info{\\title T}}{\\*\\generator G;}x}",
         u"x"},
        {"field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}",
         u"link"},
        {"picture", "{\\rtf1 a{\\pict\\wmetafile8 0100ff}b}", u"ab"},
        {"binary data may hold braces", "{\\rtf1 a{\\pict\\bin3 }{}}b}", u"ab"},
        {"binary data in text", "{\\rtf1 a\\bin2 {}b}", u"ab"},
        {"list numbering text", "{\\rtf1{\\pntext\\f1 1.\\tab}item}", u"item"},
    };
    for (const Case& c : cases)
        expectPlainText(c);
}

TEST(RtfReader, HostileInputReturnsWithoutCrashOrHang)
{
    const QByteArray deepOpen(100000, '{');
    const QByteArray deepClose(100000, '}');
    const Case cases[] = {
        {"unclosed document", "{\\rtf1 abc", u"abc"},
        {"extra closing braces", "{\\rtf1 a}}}}", u"a"},
        {"closing braces first", "}}{\\rtf1 a}", u"a"},
        {"deep nesting closed", "{\\rtf1 " + deepOpen + "x" + deepClose + "y}", u"xy"},
        {"deep nesting open", "{\\rtf1 " + deepOpen + "x", u"x"},
        {"deep optional destinations", "{\\rtf1 a" + QByteArray("{\\*").repeated(50000) + "b",
         u"a"},
        {"truncated escape", "{\\rtf1 a\\'c", u"a"},
        {"escape without digits", "{\\rtf1 a\\'zz}", u"azz"},
        {"lone backslash at the end", "{\\rtf1 a\\", u"a"},
        {"unicode without digits at the end", "{\\rtf1 a\\u", u"a"},
        {"unicode with a bare sign", "{\\rtf1 \\u-}", u"-"},
        {"huge binary length", "{\\rtf1 a\\bin999999999999 abc}", u"a"},
        {"negative binary length", "{\\rtf1 \\bin-5 abc}", u"abc"},
        {"huge fallback length", "{\\rtf1\\uc99999999999 \\u20320 abc}", u"你"},
        {"endless control word", "{\\rtf1 a\\" + QByteArray(100000, 'x') + " b}", u"ab"},
    };
    for (const Case& c : cases)
        expectPlainText(c);

    for (quint32 seed = 1; seed <= 20; ++seed) {
        QRandomGenerator random(seed);
        QByteArray noise("{\\rtf1 ");
        for (int i = 0; i < 20000; ++i) {
            // Mostly syntax characters, so the parser's states are all reached.
            static const char alphabet[] = "{}\\'*u0123456789-abcfpr \r\n?";
            const quint32 pick = random.bounded(64u);
            noise.append(pick < sizeof alphabet - 1 ? alphabet[pick] : char(random.bounded(256u)));
        }
        const QString text = rtfToPlainText(noise);
        EXPECT_LE(text.size(), noise.size() * 2) << "seed " << seed;
    }
}
