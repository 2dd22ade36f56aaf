#pragma once

#include "PcmSound.h"

#include "content/Result.h"

#include <QByteArray>
#include <QString>

namespace kelvaro {

/// The PCM of a RIFF wave file: 8, 16, 24 or 32-bit integer or 32/64-bit float samples,
/// converted to 16-bit at the file's own rate and channel count. The error names path.
Result<PcmSound> readWav(const QString& path);

/// The same from bytes already read; path only names the source in the error.
Result<PcmSound> parseWav(const QByteArray& bytes, const QString& path);

/// Writes sound as a 16-bit PCM wave file (atomically); the error names path.
Status writeWav(const QString& path, const PcmSound& sound);

} // namespace kelvaro
