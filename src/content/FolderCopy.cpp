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
        return Status::failure(QStringLiteral("无法建立文件夹：%1").arg(QFileInfo(target).path()));
    // Through a temporary name, so that a file cut short by a full disk is never taken for
    // a whole one at the next start.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    QFile in(source);
    if (!QFile::copy(source, partial))
        return Status::failure(
            QStringLiteral("无法复制文件：%1\n到：%2（%3）")
                .arg(source, target,
                     in.exists() ? QStringLiteral("写入失败") : QStringLiteral("原文件不见了")));
    QFile::setPermissions(partial, QFile::permissions(partial) | QFileDevice::WriteOwner |
                                       QFileDevice::ReadOwner);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return Status::failure(QStringLiteral("无法写入文件：%1").arg(target));
    }
    return Status::success();
}

} // namespace

Status copyProgramFolder(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!source.exists())
        return Status::failure(QStringLiteral("文件夹不存在：%1").arg(from));
    QStringList files;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(source.relativeFilePath(it.next()));
    std::stable_sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return !isBookList(a) && isBookList(b);
    });
    if (!QDir().mkpath(to))
        return Status::failure(QStringLiteral("无法建立文件夹：%1").arg(to));
    for (const QString& relative : files) {
        const Status copied =
            copyOne(from + QLatin1Char('/') + relative, to + QLatin1Char('/') + relative);
        if (!copied)
            return copied;
    }
    return Status::success();
}

} // namespace kelvaro
