#pragma once

#include <QStringList>

namespace kelvaro::tool {

// Each takes the subcommand's arguments (without the subcommand) and returns the exit code.
int textCommand(const QStringList& args);
int writeCommand(const QStringList& args);
int lessonCommand(const QStringList& args);
int lookupCommand(const QStringList& args);
/// lookup [--folder DIR] [--json] WORD...: every source's answer for each word.
int openLookupCommand(const QStringList& args);
int settingsCommand(const QStringList& args);
int checkCommand(const QStringList& args);
int segmentCommand(const QStringList& args);
int compareCommand(const QStringList& args);
int importCommand(const QStringList& args);
int reviewCommand(const QStringList& args);

} // namespace kelvaro::tool
