#pragma once

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// The plain text of a rich-text document (any writer's), paragraph marks as "\r\n".
/// The document's final paragraph mark is dropped, so the program's own files read back exactly.
QString rtfToPlainText(const QByteArray& rtf);

} // namespace kelvaro
