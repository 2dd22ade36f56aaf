#pragma once

#include "AudioFormat.h"

namespace kelvaro {

/// A seekable source of 16-bit interleaved PCM frames (an mp3 file, a wav held in memory).
class SampleDecoder
{
public:
    virtual ~SampleDecoder() = default;
    /// The format of every frame read().
    virtual AudioFormat format() const = 0;
    /// Frames in the whole sound; -1 while not known yet.
    virtual qint64 length() const = 0;
    /// Moves to frame (exactly); false when it lies past the end or the file fails.
    virtual bool seek(qint64 frame) = 0;
    /// The frame the next read() starts at.
    virtual qint64 tell() const = 0;
    /// Decodes up to frames frames into out; fewer only at the end of the sound.
    virtual qint64 read(qint16* out, qint64 frames) = 0;
};

} // namespace kelvaro
