#include "content/Cp936.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

TEST(Cp936, EveryDoubleByteCharacterRoundTrips)
{
    int decoded = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
            const QString unicode = decodeCp936(bytes);
            ASSERT_EQ(unicode.size(), 1) << std::hex << lead << ' ' << trail;
            if (unicode.at(0) == QChar(0xFFFD))
                continue; // an unassigned code
            ++decoded;
            bool complete = false;
            EXPECT_EQ(encodeCp936(unicode, &complete), bytes) << std::hex << lead << ' ' << trail;
            EXPECT_TRUE(complete);
        }
    }
    // GBK assigns about 21,800 double-byte codes; far fewer means the converter is missing.
    EXPECT_GT(decoded, 21000);
}

TEST(Cp936, KnownCharactersMapBothWays)
{
    struct Case
    {
        const char16_t* unicode;
        QByteArray bytes;
    };
    const Case cases[] = {
        {u"€", "\x80"},
        {u"◆", "\xa1\xf4"},
        {u"宋体", "\xcb\xce\xcc\xe5"},
        {u"第一课", "\xb5\xda\xd2\xbb\xbf\xce"},
        {u"é", "\xa8\xa6"},
        {u"昞亄亇丂", "\x95\x5c\x81\x7b\x81\x7d\x81\x40"}, // trail bytes that look like \ { } @
        {u"Lesson 1\r\n\t*/", "Lesson 1\r\n\t*/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeCp936(c.bytes), text(c.unicode)) << c.bytes.toHex().constData();
        EXPECT_EQ(encodeCp936(text(c.unicode)), c.bytes) << c.bytes.toHex().constData();
    }
    EXPECT_EQ(decodeCp936(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
}

TEST(Cp936, UndecodableBytesBecomeReplacementCharacters)
{
    struct Case
    {
        QByteArray bytes;
        const char16_t* expected;
    };
    const Case cases[] = {
        {"\xff", u"\uFFFD"},
        {"a\x81", u"a\uFFFD"},   // lead byte cut off at the end
        {"\x81 b", u"\uFFFD b"}, // lead byte without a trail byte
        {"\xa1\xa1\xff\xa1\xa1", u"\u3000\uFFFD\u3000"},
        {"\xa1\x5cx", u"\uFFFDx"}, // an unassigned pair is replaced whole, no stray backslash
        {"\xff\xff\xff", u"\uFFFD\uFFFD\uFFFD"},
        {"", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeCp936(c.bytes), text(c.expected)) << c.bytes.toHex().constData();
}

TEST(Cp936, CharactersWithoutACodeAreMarked)
{
    bool complete = true;
    EXPECT_EQ(encodeCp936(text(u"你😀əa"), &complete), QByteArray("\xc4\xe3??a"));
    EXPECT_FALSE(complete);

    // The prefix stops before the first character without a code.
    QByteArray out("x");
    EXPECT_EQ(encodeCp936Prefix(text(u"中ʃ文"), out), 1);
    EXPECT_EQ(out, QByteArray("x\xd6\xd0"));
    EXPECT_EQ(encodeCp936Prefix(text(u"😀"), out), 0);
    EXPECT_EQ(encodeCp936Prefix(QString(QChar(0xD800)), out), 0); // a lone surrogate
}

TEST(Cp936, OtherCodePagesOfRichText)
{
    EXPECT_EQ(decodeCodePage("caf\xe9 \x80", 1252), text(u"café €"));
    EXPECT_EQ(decodeCodePage("\xa7\x41", 950), text(u"你"));
    // A page the system cannot convert is read as 936.
    EXPECT_EQ(decodeCodePage("\xc4\xe3", 4242), text(u"你"));
}
