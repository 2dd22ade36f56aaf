#include "GenerationStamp.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kelvaro {

Result<QByteArray> generationKey(const QString& what, const QString& sourcesDir)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(what.toUtf8());
    if (!sourcesDir.isEmpty()) {
        const QDir root(sourcesDir);
        if (!root.exists())
            return Error{sourcesDir + QStringLiteral(": no such folder")};
        QStringList files;
        QDirIterator it(sourcesDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << root.relativeFilePath(it.next());
        files.sort();
        for (const QString& name : std::as_const(files)) {
            QFile file(root.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                return Error{file.fileName() + QStringLiteral(": ") + file.errorString()};
            const QByteArray content = file.readAll();
            // Lengths keep a name and a content from running into the next.
            hash.addData(QByteArray::number(name.toUtf8().size()) + ':' + name.toUtf8());
            hash.addData(QByteArray::number(content.size()) + ':' + content);
        }
    }
    return hash.result().toHex();
}

bool isUpToDate(const QString& outDir, const QByteArray& key)
{
    QFile file(outDir + u'/' + stampFileName());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first() != key)
        return false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty() && !QFileInfo(outDir + u'/' + QString::fromUtf8(lines[i])).isFile())
            return false;
    }
    return true;
}

Status writeStamp(const QString& outDir, const QByteArray& key, const QStringList& files)
{
    QSaveFile file(outDir + u'/' + stampFileName());
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(file.fileName() + QStringLiteral(": ") + file.errorString());
    file.write(key + '\n');
    for (const QString& name : files)
        file.write(name.toUtf8() + '\n');
    if (!file.commit())
        return Status::failure(file.fileName() + QStringLiteral(": ") + file.errorString());
    return Status::success();
}

} // namespace kelvaro
