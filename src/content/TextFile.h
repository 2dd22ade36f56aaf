#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// Loads a whole text file: rich text (content begins with "{\rtf") gives its plain text,
/// anything else is decoded from code page 936. Nothing is trimmed or converted.
Result<QString> readTextFile(const QString& path);

/// Replaces the whole file, atomically, with the rich-text document whose plain text is text.
Status writeTextFile(const QString& path, const QString& text);

/// True when a regular file of that name exists.
bool fileExists(const QString& path);

/// Decodes code page 936 bytes (GBK with its euro sign); undecodable bytes become U+FFFD.
QString decodeCp936(const QByteArray& bytes);

/// Encodes to code page 936; returns false in *complete (if given) when a character has no code.
/// Characters without a code are written as "?".
QByteArray encodeCp936(const QString& text, bool* complete = nullptr);

/// The plain text of a rich-text document (any writer's), paragraph marks as "\r\n".
QString rtfToPlainText(const QByteArray& rtf);

/// The rich-text document in code page 936 whose plain text is text, in the program's own form.
QByteArray plainTextToRtf(const QString& text);

} // namespace kelvaro
