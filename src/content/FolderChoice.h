#pragma once

#include "ProgramFolder.h"
#include "Result.h"

#include <QStringList>

#include <functional>

namespace kelvaro {

/// True when folder holds a program folder: the built-in book's list, in any letter case.
bool holdsContent(const QString& folder);

/// A folder named on the command line: an error naming the folder and what it lacks when it
/// is missing or holds no book list.
Status checkGivenFolder(const QString& folder);

/// The places a program folder may come from.
struct FolderPlaces
{
    QString given;            ///< --folder; empty when not given
    QString executableFolder; ///< the folder of the running program
    QString dataFolder;       ///< the learner's own data folder
    QStringList demoFolders;  ///< installed demo content, in order of preference
};

enum class FolderSource { Given, Executable, Data };

struct FolderChoice
{
    QString folder;
    FolderSource source;
};

/// The given folder when there is one; otherwise the executable's folder when it holds the
/// content; otherwise the data folder, which gets a copy of the first installed demo that
/// holds content when it holds none yet.
Result<FolderChoice> chooseProgramFolder(const FolderPlaces& places);

/// The learner's data folder: "kelvaro-player" in the user's data location.
QString learnerDataFolder();

/// The installed demo content: beside the executable's "../share", then the system's data
/// folders.
QStringList installedDemoFolders(const QString& executableFolder);

/// Tells whether the program can create and replace files in a folder.
using WritableCheck = std::function<bool(const QString& folder)>;

/// The check of the file system (read-only mounts, permissions, missing folders).
bool isWritableFolder(const QString& folder);

/// The folders of the program folder where the program writes (settings, the book's
/// lessons, the results) that cannot be written; empty when every one can.
QStringList unwritablePlaces(const ProgramFolder& folder, const QString& book,
                             const WritableCheck& isWritable = isWritableFolder);

/// Where the copy of a read-only program folder goes: "copies/<its name>" in the data
/// folder, or "<its name>-2", "-3" ... when a copy of another folder has the name.
QString copyFolderFor(const QString& source, const QString& dataFolder);

/// Records in a copy which folder it was made from.
Status markCopyOf(const QString& copy, const QString& source);

} // namespace kelvaro
