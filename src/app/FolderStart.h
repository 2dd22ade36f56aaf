#pragma once

#include "content/FolderChoice.h"
#include "ports/Dialogs.h"

namespace kelvaro {

/// When the program folder cannot be written (an installed folder, a read-only mount), says
/// so once, naming it, and offers to work on a copy in the learner's data folder. Returns the
/// folder to work in: the copy when the learner took it and it could be made, otherwise
/// folder itself, where every failed write is reported when it happens.
QString offerWritableCopy(const QString& folder, const QString& dataFolder, Dialogs& dialogs,
                          const WritableCheck& isWritable = isWritableFolder);

/// Chooses the program folder (chooseProgramFolder) and makes sure the learner's changes
/// have a place (offerWritableCopy). The error names the folder and what is missing.
Result<QString> settleProgramFolder(const FolderPlaces& places, Dialogs& dialogs,
                                    const WritableCheck& isWritable = isWritableFolder);

} // namespace kelvaro
