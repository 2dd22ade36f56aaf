#pragma once

#include "Cp936.h"
#include "Result.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// Loads a whole text file: rich text (content begins with "{\rtf") gives its plain text,
/// anything else is decoded from code page 936. Nothing is trimmed or converted.
Result<QString> readTextFile(const QString& path);

/// The text of a file's content, read as readTextFile reads it.
QString textFromBytes(const QByteArray& content);

/// Replaces the whole file, atomically, with the rich-text document whose plain text is text.
/// On failure the old file is left as it was and the error names the file.
Status writeTextFile(const QString& path, const QString& text);

/// True when a regular file of that name exists.
bool fileExists(const QString& path);

// decodeCp936, encodeCp936 (Cp936.h), rtfToPlainText (RtfReader.h) and plainTextToRtf
// (RtfWriter.h) come with this header.

} // namespace kelvaro
