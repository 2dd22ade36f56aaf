#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kelvaro {

namespace {

// The learner's sentence names the file; the system's own reason follows in brackets.
QString failure(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("%1：%2（%3）").arg(what, path, reason);
}

QString cannotRead()
{
    return QStringLiteral("无法读取文件");
}

QString cannotWrite()
{
    return QStringLiteral("无法写入文件");
}

} // namespace

Result<QString> readTextFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        return Error{failure(cannotRead(), path, QStringLiteral("这是一个文件夹"))};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{failure(cannotRead(), path, file.errorString())};
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error{failure(cannotRead(), path, file.errorString())};
    return textFromBytes(content);
}

QString textFromBytes(const QByteArray& content)
{
    if (content.startsWith("{\\rtf"))
        return rtfToPlainText(content);
    return decodeCp936(content);
}

Status writeTextFile(const QString& path, const QString& text)
{
    const QByteArray document = plainTextToRtf(text);
    // The document goes to a temporary file that replaces the old one only when complete:
    // a crash or a full disk leaves the old file, never half a new one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(failure(cannotWrite(), path, file.errorString()));
    if (file.write(document) != document.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::failure(failure(cannotWrite(), path, reason));
    }
    if (!file.commit())
        return Status::failure(failure(cannotWrite(), path, file.errorString()));
    return Status::success();
}

bool fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace kelvaro
