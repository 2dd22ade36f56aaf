#pragma once

#include "RecordingScan.h"

#include "content/Result.h"

#include <QString>

namespace kelvaro {

/// Decodes the first sound stream of any audio or video file FFmpeg reads and writes it to
/// mp3Path as constant-bit-rate mp3 (mono for a mono source, else stereo; the source's rate
/// when the encoder takes it, else 44.1 kHz) with the encoder's info tag, so a gapless decoder
/// gives the first source sample as sample 0. Refused with a Chinese message naming source.
Status transcodeToMp3(const QString& source, const QString& mp3Path,
                      const ImportProgress& progress = {});

} // namespace kelvaro
