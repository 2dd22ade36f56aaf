#include "UnwrittenRescue.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace kelvaro {

namespace {

// One line per rescued folder, appended at each close and taken at the next start.
const QString kPendingFile = QStringLiteral("待告知.txt");

bool writeUtf8(const QString& path, const QString& text, QIODevice::OpenMode extra = {})
{
    if (extra.testFlag(QIODevice::Append)) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
               file.write(text.toUtf8()) == text.toUtf8().size();
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size() &&
           file.commit();
}

} // namespace

Result<QString> rescueUnwritten(const UnwrittenChanges& unwritten, const QString& root,
                                const QString& rescueRoot, const QString& stamp)
{
    if (unwritten.isEmpty())
        return Error{QString()};
    if (rescueRoot.isEmpty())
        return Error{QStringLiteral("没有可以保存修改的数据文件夹。")};
    // Two closes within one stamp must not mix their files.
    QString folder = QDir(rescueRoot).filePath(stamp);
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = QDir(rescueRoot).filePath(stamp + QStringLiteral("-%1").arg(n));
    if (!QDir().mkpath(folder))
        return Error{QStringLiteral("无法建立文件夹：") + folder};
    if (const Status copied = unwritten.copyTo(folder, root); !copied)
        return Error{copied.error()};
    const QString note =
        QStringLiteral("程序被系统关闭时，这些修改没能写入课文文件，另存在此：\n") +
        unwritten.describe(root).join(QLatin1Char('\n')) +
        QStringLiteral("\n\n各文件放在与程序文件夹（") + root +
        QStringLiteral("）中相同的位置。\n");
    if (!writeUtf8(QDir(folder).filePath(QStringLiteral("说明.txt")), note) ||
        !writeUtf8(QDir(rescueRoot).filePath(kPendingFile), folder + QLatin1Char('\n'),
                   QIODevice::Append))
        return Error{QStringLiteral("无法写入文件夹：") + folder};
    return folder;
}

QStringList takeRescuedFolders(const QString& rescueRoot)
{
    if (rescueRoot.isEmpty())
        return {};
    QFile pending(QDir(rescueRoot).filePath(kPendingFile));
    if (!pending.open(QIODevice::ReadOnly))
        return {};
    const QStringList folders =
        QString::fromUtf8(pending.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    pending.close();
    pending.remove();
    return folders;
}

QString rescuedFoldersNotice(const QStringList& folders)
{
    if (folders.isEmpty())
        return {};
    return QStringLiteral("上次程序被系统关闭时，有些修改没能写入课文文件。\n"
                          "改动过的文件已另存到：\n") +
           folders.join(QLatin1Char('\n')) +
           QStringLiteral("\n\n文件夹中的“说明.txt”列出了每个文件的修改。");
}

} // namespace kelvaro
