#include "CommandLine.h"

#include "content/Version.h"

namespace kelvaro {

PlayerCommandLine parsePlayerArguments(const QStringList& arguments)
{
    PlayerCommandLine line;
    const QString folderOption = QStringLiteral("--folder");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            return {PlayerCommandLine::Action::Help, {}, {}};
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            return {PlayerCommandLine::Action::Version, {}, {}};
        } else if (argument == folderOption || argument.startsWith(folderOption + '=')) {
            QString value;
            if (argument == folderOption) {
                if (i + 1 >= arguments.size()) {
                    line.action = PlayerCommandLine::Action::UsageError;
                    line.message = QStringLiteral("--folder needs a folder.");
                    continue;
                }
                value = arguments[++i];
            } else {
                value = argument.mid(folderOption.size() + 1);
            }
            if (value.isEmpty() || (!line.folder.isEmpty() && line.folder != value)) {
                line.action = PlayerCommandLine::Action::UsageError;
                line.message = value.isEmpty() ? QStringLiteral("--folder needs a folder.")
                                               : QStringLiteral("--folder is given twice.");
                continue;
            }
            line.folder = value;
        } else if (line.action != PlayerCommandLine::Action::UsageError) {
            line.action = PlayerCommandLine::Action::UsageError;
            line.message = argument.startsWith('-')
                               ? QStringLiteral("unknown option \"%1\".").arg(argument)
                               : QStringLiteral("unexpected argument \"%1\".").arg(argument);
        }
    }
    return line;
}

QString playerHelpText()
{
    return QStringLiteral(
        "Usage: kelvaro-player [--folder FOLDER]\n"
        "A courseware player for practising spoken English.\n"
        "\n"
        "Options:\n"
        "  --folder FOLDER  work in this program folder (a course folder, for instance one\n"
        "                   copied from another computer)\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n"
        "\n"
        "Without --folder the player works in the folder of its executable when that holds\n"
        "a course, and otherwise in the learner's data folder (~/.local/share/kelvaro-player),\n"
        "which gets a copy of the installed demo course on the first start. Notes, key words,\n"
        "dictation passes and settings are written back into the program folder.\n");
}

QString playerVersionText()
{
    return QStringLiteral("kelvaro-player ") + kelvaroVersion() + QLatin1Char('\n');
}

} // namespace kelvaro
