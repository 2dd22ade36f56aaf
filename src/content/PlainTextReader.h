#pragma once

#include "Result.h"
#include "Transcript.h"

#include <QString>
#include <QStringList>

namespace kelvaro {

/// Reads untimed text (decoded, "\n" line ends) into sentences, one per line or split out of
/// paragraphs; a Chinese line after the English goes to its sentence. Times stay -1. Refuses
/// text without English, naming fileName.
Result<Transcript> readPlainText(const QString& text, const QString& fileName);

/// Splits running English into sentences at ".", "!" and "?", keeping closing quotes and
/// brackets; titles ("Mr."), initials, dotted abbreviations ("U.S.", "e.g.") and a stop
/// before a lower-case word do not end a sentence.
QStringList splitSentences(const QString& text);

} // namespace kelvaro
