#include "FolderChoice.h"

#include "FolderCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kelvaro {

namespace {

const char kCopyMark[] = ".kelvaro-copy-of";

QString cleanFolder(const QString& folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

QString copySource(const QString& copy)
{
    QFile mark(copy + QLatin1Char('/') + QLatin1String(kCopyMark));
    if (!mark.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(mark.readAll()).trimmed();
}

} // namespace

bool holdsContent(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo list(ProgramFolder(folder).bookList(builtInBookName()));
    return list.isFile();
}

Status checkGivenFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return Status::failure(QStringLiteral("文件夹不存在：%1").arg(folder));
    if (!info.isDir())
        return Status::failure(QStringLiteral("这不是一个文件夹：%1").arg(folder));
    if (!holdsContent(folder))
        return Status::failure(
            QStringLiteral("文件夹中缺少课程列表文件 SETTING/BookList/%2.dat：%1")
                .arg(folder, builtInBookName()));
    return Status::success();
}

Result<FolderChoice> chooseProgramFolder(const FolderPlaces& places)
{
    if (!places.given.isEmpty()) {
        const Status given = checkGivenFolder(places.given);
        if (!given)
            return Error{given.error()};
        return FolderChoice{cleanFolder(places.given), FolderSource::Given};
    }
    if (holdsContent(places.executableFolder))
        return FolderChoice{cleanFolder(places.executableFolder), FolderSource::Executable};
    if (places.dataFolder.isEmpty())
        return Error{QStringLiteral("找不到存放课程的数据文件夹。")};
    if (!holdsContent(places.dataFolder)) {
        QString demo;
        for (const QString& candidate : places.demoFolders) {
            if (holdsContent(candidate)) {
                demo = candidate;
                break;
            }
        }
        if (demo.isEmpty())
            return Error{
                QStringLiteral("数据文件夹中没有课程，也没有安装可以复制过去的示范课程：%1\n"
                               "（查找过：%2）")
                    .arg(places.dataFolder, places.demoFolders.join(QStringLiteral(", ")))};
        const Status copied = copyProgramFolder(demo, places.dataFolder);
        if (!copied)
            return Error{copied.error()};
    }
    return FolderChoice{cleanFolder(places.dataFolder), FolderSource::Data};
}

QString learnerDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    return base + QStringLiteral("/kelvaro-player");
}

QStringList installedDemoFolders(const QString& executableFolder)
{
    const QString relative = QStringLiteral("kelvaro-player/demo");
    QStringList folders;
    if (!executableFolder.isEmpty())
        folders.append(cleanFolder(executableFolder + QStringLiteral("/../share/") + relative));
    for (const QString& base :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = cleanFolder(base + QLatin1Char('/') + relative);
        if (!folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

bool isWritableFolder(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    // A real file is made and removed: permission bits say nothing of read-only mounts,
    // access lists or a superuser's rights.
    QTemporaryFile probe(folder + QStringLiteral("/.kelvaro-write-probe-XXXXXX"));
    return probe.open();
}

QStringList unwritablePlaces(const ProgramFolder& folder, const QString& book,
                             const WritableCheck& isWritable)
{
    const QStringList written = {
        QFileInfo(folder.settings()).path(),
        QFileInfo(folder.lessonFile(book, 1)).path(),
        QFileInfo(folder.results(book)).path(),
    };
    QStringList unwritable;
    for (const QString& place : written) {
        if (!unwritable.contains(place) && !isWritable(place))
            unwritable.append(place);
    }
    return unwritable;
}

QString copyFolderFor(const QString& source, const QString& dataFolder)
{
    const QString origin = cleanFolder(source);
    QString name = QFileInfo(origin).fileName();
    if (name.isEmpty())
        name = QStringLiteral("folder");
    const QString base = dataFolder + QStringLiteral("/copies/") + name;
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        if (!QFileInfo::exists(candidate) || copySource(candidate) == origin)
            return candidate;
    }
}

Status markCopyOf(const QString& copy, const QString& source)
{
    const QString path = copy + QLatin1Char('/') + QLatin1String(kCopyMark);
    QFile mark(path);
    if (!mark.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        mark.write(cleanFolder(source).toUtf8()) < 0)
        return Status::failure(QStringLiteral("无法写入文件：%1").arg(path));
    return Status::success();
}

} // namespace kelvaro
