#pragma once

#include "content/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvaro {

/// The file in the output folder that records what was generated there.
inline QString stampFileName()
{
    return QStringLiteral(".kelvaro-demo-stamp");
}

/// A key for the inputs of a generation: what (the mode and the generator version) and the
/// relative path and content of every file under sourcesDir (none when it is empty).
Result<QByteArray> generationKey(const QString& what, const QString& sourcesDir);

/// True when the stamp in outDir holds key and every file it lists still exists.
bool isUpToDate(const QString& outDir, const QByteArray& key);

/// Records key and the generated files (relative to outDir).
Status writeStamp(const QString& outDir, const QByteArray& key, const QStringList& files);

} // namespace kelvaro
