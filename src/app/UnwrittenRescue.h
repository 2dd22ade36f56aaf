#pragma once

#include "UnwrittenChanges.h"

#include <QStringList>

namespace kelvaro {

/// A close the learner was not asked about (the desktop session ending) keeps the changes that
/// could not be written: the changed files go into a folder of their own below rescueRoot, named
/// by stamp, each at its place below the program folder root, with "说明.txt" naming what each
/// carries; the next start is told where they are. The folder used; an error when nothing was
/// unwritten ("") or a file could not be written there.
Result<QString> rescueUnwritten(const UnwrittenChanges& unwritten, const QString& root,
                                const QString& rescueRoot, const QString& stamp);

/// The folders that closes not asked about filled since the last call; each is named once.
QStringList takeRescuedFolders(const QString& rescueRoot);

/// What the learner is told at start about rescued folders; empty when there are none.
QString rescuedFoldersNotice(const QStringList& folders);

} // namespace kelvaro
