#include "RtfWriter.h"

#include "Cp936.h"

#include <QStringView>

namespace kelvaro {

namespace {

// One font, 宋体, named by its code page 936 bytes; the body starts with the blank that ends
// "\fs18", so text that begins with a blank keeps it.
constexpr char kHeader[] = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 "
                           "\\'cb\\'ce\\'cc\\'e5;}}\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 ";
constexpr char kTrailer[] = "\\par }";

void appendHexEscape(QByteArray& out, unsigned char byte)
{
    static constexpr char digits[] = "0123456789abcdef";
    const char escape[4] = {'\\', '\'', digits[byte >> 4], digits[byte & 0xF]};
    out.append(escape, 4);
}

// Writes code page 936 bytes as rich text. "\r\n" is a paragraph mark; a lone CR or LF is
// kept as its byte so that it reads back as itself rather than as a line end.
void appendEncoded(QByteArray& out, const QByteArray& bytes, qsizetype from)
{
    const qsizetype size = bytes.size();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = from; i < size; ++i) {
        const unsigned char byte = data[i];
        if (byte >= 0x20 && byte < 0x7F) {
            if (byte == '\\' || byte == '{' || byte == '}')
                out.append('\\');
            out.append(char(byte));
        } else if (byte == '\r' && i + 1 < size && data[i + 1] == '\n') {
            // The source line break keeps lines short and ends the control word.
            out.append("\\par\r\n", 6);
            ++i;
        } else if (byte == '\t') {
            out.append("\\tab ", 5);
        } else if (byte >= 0x81 && byte <= 0xFE && i + 1 < size) {
            // Lead and trail byte; a trail byte may look like ASCII ("\", "{"), so it is
            // escaped as well.
            appendHexEscape(out, byte);
            appendHexEscape(out, data[++i]);
        } else {
            appendHexEscape(out, byte); // the euro sign, control characters
        }
    }
}

void appendUnicodeEscape(QByteArray& out, char16_t unit)
{
    out.append("\\u", 2);
    out.append(QByteArray::number(qint16(unit)));
    out.append('?');
}

} // namespace

QByteArray plainTextToRtf(const QString& text)
{
    QByteArray out;
    // Chinese text grows to eight bytes per character.
    out.reserve(qsizetype(sizeof kHeader) + text.size() * 4 + qsizetype(sizeof kTrailer));
    out.append(kHeader, qsizetype(sizeof kHeader) - 1);
    QByteArray bytes; // all code page 936 bytes so far; grows to at most two per unit
    const QStringView view(text);
    qsizetype pos = 0;
    while (pos < view.size()) {
        const qsizetype from = bytes.size();
        pos += encodeCp936Prefix(view.mid(pos), bytes);
        appendEncoded(out, bytes, from);
        if (pos >= view.size())
            break;
        // A character outside code page 936, one escape per UTF-16 unit, with "?" for
        // readers that do not know \u.
        appendUnicodeEscape(out, view.at(pos).unicode());
        ++pos;
    }
    out.append(kTrailer, qsizetype(sizeof kTrailer) - 1);
    return out;
}

} // namespace kelvaro
