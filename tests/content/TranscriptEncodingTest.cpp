#include "content/TranscriptEncoding.h"
#include "content/Cp936.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <iconv.h>

using namespace kelvaro;

namespace {

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

// GB18030 by the system's converter, independently of the decoder under test.
QByteArray gb18030(const QString& text)
{
    const QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 4, '\0');
    iconv_t handle = iconv_open("GB18030", "UTF-8");
    EXPECT_NE(handle, reinterpret_cast<iconv_t>(-1));
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    EXPECT_NE(iconv(handle, &inPtr, &inLeft, &outPtr, &outLeft), size_t(-1));
    iconv_close(handle);
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

const QString kText = QStringLiteral("1\n00:00:01,000 --> 00:00:02,500\nIt's fine.\n没关系。\n");

} // namespace

TEST(DecodeTranscript, DetectsEachEncoding)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8", kText.toUtf8()},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + kText.toUtf8()},
        {"UTF-16LE with BOM", "\xFF\xFE" + encoded(QStringConverter::Utf16LE, kText)},
        {"UTF-16BE with BOM", "\xFE\xFF" + encoded(QStringConverter::Utf16BE, kText)},
        {"UTF-16LE without BOM", encoded(QStringConverter::Utf16LE, kText)},
        {"UTF-16BE without BOM", encoded(QStringConverter::Utf16BE, kText)},
        {"GBK", encodeCp936(kText)},
        {"GB18030", gb18030(kText)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeTranscript(c.bytes), kText) << c.name;
}

TEST(DecodeTranscript, ReadsWhatOnlyGb18030Has)
{
    // Hangul and U+20000 have four-byte GB18030 codes and none in code page 936.
    const QString text = QString::fromUtf16(u"\U00020000 \uD55C 你好");
    const QByteArray bytes = gb18030(text);
    ASSERT_NE(decodeCp936(bytes), text);
    EXPECT_EQ(decodeTranscript(bytes), text);
}

TEST(DecodeTranscript, ValidUtf8IsUtf8EvenWhenItIsAlsoGbk)
{
    // "é" in UTF-8 (C3 A9) is also a GBK pair; a file that is valid UTF-8 was written as such.
    ASSERT_NE(decodeCp936("caf\xC3\xA9"), QStringLiteral("café"));
    EXPECT_EQ(decodeTranscript("caf\xC3\xA9"), QStringLiteral("café"));
}

TEST(DecodeTranscript, MakesEveryLineEndANewline)
{
    EXPECT_EQ(decodeTranscript("a\r\nb\rc\n\r\nd\r"), QStringLiteral("a\nb\nc\n\nd\n"));
    EXPECT_EQ(
        decodeTranscript("\xFF\xFE" + encoded(QStringConverter::Utf16LE, QStringLiteral("a\r\nb"))),
        QStringLiteral("a\nb"));
    EXPECT_EQ(decodeTranscript(""), QString());
}
