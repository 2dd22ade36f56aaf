// Files the fuzzers found wrong, or slow, kept under tests/data/fuzz/ and read here.
#include "content/Settings.h"
#include "content/TextFile.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kFuzzData = QStringLiteral(KELVARO_TEST_DATA "/fuzz");

} // namespace

// Every page a document named was remembered in a list searched once per run of text, so a
// document naming a new page before each character took quadratic time (88 s for 1 MB).
TEST(HostileFiles, ADocumentNamingThousandsOfCodePagesReadsAsItsText)
{
    const auto text = readTextFile(kFuzzData + QStringLiteral("/text/many-code-pages.rtf"));
    ASSERT_TRUE(text.ok()) << text.error().toStdString();
    // Pages the system does not know read as code page 936; the known ones as themselves.
    EXPECT_EQ(text.value(), QString(3000, u'a') + QString::fromUtf16(u"é中"));
}

// "1e-400" was read as infinity: a value too small for a double counted as too large.
TEST(HostileFiles, SettingsNumbersBelowTheSmallestDoubleReadAsZero)
{
    QString notice;
    const Settings settings = loadSettings(
        kFuzzData + QStringLiteral("/settings/numbers-below-the-smallest-double.dat"), &notice);
    EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    EXPECT_EQ(settings.mainPictureTop, 0.0);
    EXPECT_EQ(settings.moveImageTop, 0.0);
}

// The writer encoded in one call over the rest of the text after each character outside code
// page 936, and the converter takes all of it through an intermediate form before it stops:
// it is now given slices, and a surrogate pair on the edge of a slice must stay whole.
TEST(HostileFiles, LongTextsOutsideCodePage936WriteAndReadBackAcrossSlices)
{
    const QString emoji = QString::fromUtf16(u"😀");
    for (const qsizetype lead : {0, 254, 255, 256, 257, 511}) {
        SCOPED_TRACE(lead);
        QString text = QString(lead, u'中');
        for (int i = 0; i < 300; ++i)
            text += emoji + QStringLiteral("a中");
        text += QString(600, u'b');
        EXPECT_EQ(textFromBytes(plainTextToRtf(text)), text);
        bool complete = true;
        const QByteArray encoded = encodeCp936(text, &complete);
        EXPECT_FALSE(complete);
        EXPECT_EQ(encoded.count('?'), 300);
    }
}

// The round-trip property of the writer, for every UTF-16 unit alone and next to a code page
// 936 character: a code the converter shares between two characters would lose one of them.
TEST(HostileFiles, EveryUtf16UnitWrittenReadsBackAsItself)
{
    QString failures;
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const QString text = QString(QChar(char16_t(unit))) + QChar(u'中');
        if (textFromBytes(plainTextToRtf(text)) != text)
            failures += QStringLiteral("U+%1 ").arg(quint32(unit), 4, 16, QChar(u'0'));
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.toStdString();
}
