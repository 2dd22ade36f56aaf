// Kelvaro Player: works in the folder given with --folder, else in the folder of this
// executable when it holds a course, else in the learner's data folder.
#include "app/CommandLine.h"
#include "app/FolderStart.h"
#include "content/Version.h"
#include "ui/PlayerApplication.h"
#include "ui/QtDesktopPorts.h"
#include "ui/StandardTranslations.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char** argv)
{
    using kelvaro::PlayerCommandLine;
    // Help, version and a bad folder are answered before any window system is reached, so
    // they work on a terminal without a display. Qt's own options are taken out by
    // QApplication, so a line that does not read cleanly is read again after it.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    PlayerCommandLine line = kelvaro::parsePlayerArguments(raw);
    if (line.action == PlayerCommandLine::Action::Help) {
        print(stdout, kelvaro::playerHelpText());
        return 0;
    }
    if (line.action == PlayerCommandLine::Action::Version) {
        print(stdout, kelvaro::playerVersionText());
        return 0;
    }
    if (line.action == PlayerCommandLine::Action::Run && !line.folder.isEmpty()) {
        const kelvaro::Status given = kelvaro::checkGivenFolder(line.folder);
        if (!given) {
            print(stderr, QStringLiteral("kelvaro-player: ") + given.error() + '\n');
            // Started from a menu or launcher, nobody reads the terminal.
            if (!isatty(STDERR_FILENO) && (qEnvironmentVariableIsSet("DISPLAY") ||
                                           qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))) {
                QApplication app(argc, argv);
                kelvaro::installStandardTranslations(app);
                kelvaro::QtDialogs().warning(
                    QStringLiteral("提示"),
                    QStringLiteral("找不到课程文件夹，程序无法启动。\n\n") + given.error());
            }
            return 1;
        }
    }

    QApplication app(argc, argv);
    kelvaro::installStandardTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Kelvaro Player"));
    QApplication::setApplicationVersion(kelvaro::kelvaroVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvaro-player"));
    if (line.action == PlayerCommandLine::Action::UsageError)
        line = kelvaro::parsePlayerArguments(app.arguments().mid(1));
    if (line.action == PlayerCommandLine::Action::UsageError) {
        print(stderr, QStringLiteral("kelvaro-player: ") + line.message +
                          QStringLiteral("\nTry \"kelvaro-player --help\".\n"));
        return 2;
    }

    kelvaro::FolderPlaces places;
    places.given = line.folder;
    places.executableFolder = QApplication::applicationDirPath();
    places.dataFolder = kelvaro::learnerDataFolder();
    places.demoFolders = kelvaro::installedDemoFolders(places.executableFolder);
    kelvaro::QtDialogs dialogs;
    const kelvaro::Result<QString> folder = kelvaro::settleProgramFolder(places, dialogs);
    if (!folder) {
        print(stderr, QStringLiteral("kelvaro-player: ") + folder.error() + '\n');
        dialogs.warning(QStringLiteral("提示"),
                        QStringLiteral("找不到可以使用的程序文件夹，程序无法启动。\n\n") +
                            folder.error());
        return 1;
    }

    kelvaro::PlayerApplication player(folder.value());
    if (!player.start())
        return 1;
    return QApplication::exec();
}
