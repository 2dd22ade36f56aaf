#pragma once

#include <QString>

namespace kelvaro {

/// Short feedback sounds (clicks, right and wrong); a new sound cuts off the one playing.
class SoundEffects
{
public:
    virtual ~SoundEffects() = default;
    /// Plays the wav file at path; a missing file gives the desktop's beep.
    virtual void play(const QString& path) = 0;
};

} // namespace kelvaro
