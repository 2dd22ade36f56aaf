#pragma once

#include <QString>
#include <QStringView>

namespace kelvaro {

/// Reads a number the way every file value is read: leading blanks, an optional sign, digits,
/// an optional "." fraction and exponent; stops at the first other character; no digits gives 0.
double leadingNumber(QStringView text);

/// The shortest decimal text of a number as labels and files show it: 97, -2, 12.5.
QString shortestDecimal(double value);

/// Compares treating A-Z and a-z as equal and every other character exactly.
bool equalsIgnoreAsciiCase(QStringView a, QStringView b);

/// First index of needle in haystack at or after from, A-Z and a-z compared without case; -1 if
/// none.
qsizetype indexOfIgnoreAsciiCase(QStringView haystack, QStringView needle, qsizetype from = 0);

/// ASCII lower case of one character; every other character unchanged.
inline QChar asciiLower(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

} // namespace kelvaro
