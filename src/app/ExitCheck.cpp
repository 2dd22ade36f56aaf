#include "ExitCheck.h"

namespace kelvaro {

bool mayExit(MainContext& context)
{
    const UnwrittenChanges& unwritten = context.unwritten;
    Dialogs& dialogs = context.ports.dialogs;
    const QString root = context.state.folder.root();
    while (!unwritten.isEmpty()) {
        const QString question = QStringLiteral("以下修改没能写入课文文件，退出后就会丢失：\n\n") +
                                 unwritten.describe(root).join(QLatin1Char('\n')) +
                                 QStringLiteral("\n\n不保存这些修改，直接退出吗？\n"
                                                "选“否”可以把改动过的文件另存到您选择的文件夹。");
        // Enter and Space keep the changes: quitting without them takes a deliberate "是".
        if (dialogs.question(QStringLiteral("提示"), question, Dialogs::Answer::No))
            return true;
        const std::optional<QString> folder =
            dialogs.chooseFolder(QStringLiteral("选择保存修改的文件夹"));
        if (!folder)
            return false;
        const Status copied = unwritten.copyTo(*folder, root);
        if (copied) {
            dialogs.information(QStringLiteral("提示"),
                                QStringLiteral("改动过的文件已保存到：\n") + *folder +
                                    QStringLiteral("\n\n各文件放在与程序文件夹中相同的位置：\n") +
                                    unwritten.describe(root).join(QLatin1Char('\n')));
            return true;
        }
        dialogs.warning(QStringLiteral("提示"),
                        QStringLiteral("没能把改动过的文件保存到所选文件夹。\n\n") +
                            copied.error());
    }
    return true;
}

} // namespace kelvaro
