#include "FolderStart.h"

#include "content/FolderCopy.h"

#include <QDir>

namespace kelvaro {

namespace {

bool isInside(const QString& folder, const QString& outer)
{
    const QString inner = QDir::cleanPath(QDir(folder).absolutePath());
    const QString base = QDir::cleanPath(QDir(outer).absolutePath());
    return inner == base || inner.startsWith(base + QLatin1Char('/'));
}

} // namespace

QString offerWritableCopy(const QString& folder, const QString& dataFolder, Dialogs& dialogs,
                          const WritableCheck& isWritable)
{
    const QStringList unwritable =
        unwritablePlaces(ProgramFolder(folder), builtInBookName(), isWritable);
    if (unwritable.isEmpty())
        return folder;
    const QString places = unwritable.join(QStringLiteral("\n"));
    // A copy inside the data folder could not be written either.
    if (dataFolder.isEmpty() || isInside(folder, dataFolder)) {
        dialogs.warning(
            QStringLiteral("提示"),
            QStringLiteral("程序文件夹无法写入，笔记、重点词、听写结果和设置将无法保存。\n\n"
                           "程序文件夹：%1\n无法写入的位置：\n%2")
                .arg(folder, places));
        return folder;
    }
    const QString copy = copyFolderFor(folder, dataFolder);
    const bool earlier = holdsContent(copy);
    const QString offerZh = earlier ? QStringLiteral("是否继续使用数据文件夹中以前的副本？")
                                    : QStringLiteral("是否复制到数据文件夹，在副本上学习？");
    const QString place = earlier ? QStringLiteral("以前的副本（保持您上次离开时的样子）：%1")
                                  : QStringLiteral("副本将放在：%1");
    const bool take = dialogs.question(
        QStringLiteral("提示"),
        QStringLiteral("程序文件夹无法写入，笔记、重点词、听写结果和设置将无法保存。") + offerZh +
            QStringLiteral("\n\n程序文件夹：%1\n无法写入的位置：\n%2\n\n").arg(folder, places) +
            place.arg(copy));
    if (!take)
        return folder;
    if (!earlier) {
        // The mark goes first, so that a copy cut short is found again and completed.
        Status made = QDir().mkpath(copy)
                          ? markCopyOf(copy, folder)
                          : Status::failure(QStringLiteral("无法建立文件夹：%1").arg(copy));
        if (made)
            made = copyProgramFolder(folder, copy);
        if (!made) {
            dialogs.warning(QStringLiteral("提示"),
                            QStringLiteral("副本无法完成，仍使用原来的程序文件夹：%1\n\n%2")
                                .arg(folder, made.error()));
            return folder;
        }
    }
    return copy;
}

Result<QString> settleProgramFolder(const FolderPlaces& places, Dialogs& dialogs,
                                    const WritableCheck& isWritable)
{
    const Result<FolderChoice> choice = chooseProgramFolder(places);
    if (!choice)
        return Error{choice.error()};
    return offerWritableCopy(choice->folder, places.dataFolder, dialogs, isWritable);
}

} // namespace kelvaro
