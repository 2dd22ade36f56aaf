#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace kelvaro {

/// Decodes code page 936 bytes (GBK with its euro sign); undecodable bytes become U+FFFD.
QString decodeCp936(const QByteArray& bytes);

/// Encodes to code page 936; returns false in *complete (if given) when a character has no code.
/// Characters without a code are written as "?".
QByteArray encodeCp936(const QString& text, bool* complete = nullptr);

/// Appends the code page 936 bytes of the longest leading stretch of text that has a code;
/// returns how many UTF-16 units of text that stretch holds.
qsizetype encodeCp936Prefix(QStringView text, QByteArray& out);

/// The Windows number of GB18030, the superset of code page 936 that covers all of Unicode.
inline constexpr int kGb18030CodePage = 54936;

/// Decodes bytes in a Windows code page (936, 1252, 950, 54936, ...); a page the system cannot
/// convert is read as 936. Undecodable bytes become U+FFFD.
QString decodeCodePage(const QByteArray& bytes, int codePage);

} // namespace kelvaro
