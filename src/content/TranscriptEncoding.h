#pragma once

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// The text of a transcript file: UTF-8 (with or without a byte order mark), UTF-16 with a
/// byte order mark or with the NUL bytes of mostly ASCII text, and anything else as GB18030.
/// Line ends come back as "\n"; a leading byte order mark is dropped.
QString decodeTranscript(const QByteArray& bytes);

} // namespace kelvaro
