#pragma once

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// The rich-text document in code page 936 whose plain text is text, in the program's own form.
/// Every string reads back unchanged through rtfToPlainText.
QByteArray plainTextToRtf(const QString& text);

} // namespace kelvaro
