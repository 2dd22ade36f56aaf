#include "TextFile.h"
// placeholder: replaced by the real reader and writer
namespace kelvaro {
Result<QString> readTextFile(const QString& path) { return Error{path}; }
Status writeTextFile(const QString& path, const QString&) { return Status::failure(path); }
bool fileExists(const QString&) { return false; }
QString decodeCp936(const QByteArray&) { return {}; }
QByteArray encodeCp936(const QString&, bool*) { return {}; }
QString rtfToPlainText(const QByteArray&) { return {}; }
QByteArray plainTextToRtf(const QString&) { return {}; }
}
