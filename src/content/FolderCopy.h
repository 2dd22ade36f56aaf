#pragma once

#include "Result.h"

#include <QString>

namespace kelvaro {

/// Copies every file of the folder from into the folder to, keeping the tree. Files that
/// are already in to are kept as they are, so a learner's notes are never overwritten. The
/// book lists are copied last: a copy cut short is not taken for a program folder and is
/// completed at the next start. Copies can be written by their owner whatever the source's
/// permissions were. On failure the error names the file.
Status copyProgramFolder(const QString& from, const QString& to);

} // namespace kelvaro
