#include "FolderCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kelvaro {

namespace {

bool isBookList(const QString& relative)
{
    return relative.startsWith(QStringLiteral("SETTING/BookList/"), Qt::CaseInsensitive);
}

Status copyOne(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return Status::success();
    if (!QDir().mkpath(QFileInfo(target).path()))
        return Status::failure(
            QStringLiteral("\"%1\": the folder cannot be made.").arg(QFileInfo(target).path()));
    // Through a temporary name, so that a file cut short by a full disk is never taken for
    // a whole one at the next start.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    QFile in(source);
    if (!QFile::copy(source, partial))
        return Status::failure(
            QStringLiteral("\"%1\" cannot be copied to \"%2\": %3")
                .arg(source, target,
                     in.exists() ? QStringLiteral("write failed") : QStringLiteral("missing")));
    QFile::setPermissions(partial, QFile::permissions(partial) | QFileDevice::WriteOwner |
                                       QFileDevice::ReadOwner);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return Status::failure(QStringLiteral("\"%1\" cannot be written.").arg(target));
    }
    return Status::success();
}

} // namespace

Status copyProgramFolder(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!source.exists())
        return Status::failure(QStringLiteral("\"%1\": the folder does not exist.").arg(from));
    QStringList files;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(source.relativeFilePath(it.next()));
    std::stable_sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return !isBookList(a) && isBookList(b);
    });
    if (!QDir().mkpath(to))
        return Status::failure(QStringLiteral("\"%1\": the folder cannot be made.").arg(to));
    for (const QString& relative : files) {
        const Status copied =
            copyOne(from + QLatin1Char('/') + relative, to + QLatin1Char('/') + relative);
        if (!copied)
            return copied;
    }
    return Status::success();
}

} // namespace kelvaro
