#pragma once

#include "PcmSound.h"

#include "content/Result.h"

#include <QString>

namespace kelvaro {

/// Exactly the samples the lesson player emits when it reads the stretch start..end
/// (seconds) of the recording at path: the same decode, seek and fence, without the
/// lead-in silence. The error names the file.
Result<PcmSound> renderSegment(const QString& path, double start, double end);

} // namespace kelvaro
