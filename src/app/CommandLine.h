#pragma once

#include <QString>
#include <QStringList>

namespace kelvaro {

/// What the player's command line asks for.
struct PlayerCommandLine
{
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    QString folder;  ///< --folder; empty when not given
    QString message; ///< what is wrong, for a usage error
};

/// Reads the arguments after the program name: [--folder DIR] [-h|--help] [-v|--version].
/// "--folder=DIR" is accepted too. Help and version win over everything else.
PlayerCommandLine parsePlayerArguments(const QStringList& arguments);

/// The text of --help.
QString playerHelpText();

/// The text of --version.
QString playerVersionText();

} // namespace kelvaro
