#include "TranscriptEncoding.h"

#include "Cp936.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace kelvaro {

namespace {

// UTF-16 without a byte order mark is taken only when its NUL bytes make it plain: a good
// share of the units are ASCII (a zero high byte) and the zeros all but never fall on the other
// byte. Text in UTF-8 or GB18030 holds no NUL at all.
std::optional<QStringConverter::Encoding> utf16ByNulPattern(const QByteArray& bytes)
{
    const qsizetype sampled = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i < sampled; ++i) {
        if (bytes[i] == '\0')
            ++(i % 2 == 0 ? evenZeros : oddZeros);
    }
    const qsizetype units = sampled / 2;
    const qsizetype zeros = evenZeros + oddZeros;
    if (units == 0 || zeros * 8 < units)
        return std::nullopt;
    if (oddZeros * 10 >= zeros * 9)
        return QStringConverter::Utf16LE;
    if (evenZeros * 10 >= zeros * 9)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QString decodeBytes(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    if (const auto utf16 = utf16ByNulPattern(bytes))
        return decodeWith(*utf16, bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCodePage(bytes, kGb18030CodePage);
}

} // namespace

QString decodeTranscript(const QByteArray& bytes)
{
    QString text = decodeBytes(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace kelvaro
