#pragma once

#include "playback/FeedbackSounds.h"
#include "ports/SoundEffects.h"

namespace kelvaro {

/// The feedback sounds of the window: played by the engine; a missing file gives the
/// desktop's beep, the nearest thing to the default system sound.
class DesktopSoundEffects : public SoundEffects
{
public:
    explicit DesktopSoundEffects(std::unique_ptr<AudioOutput> output) : m_sounds(std::move(output))
    {
    }
    void play(const QString& path) override;

private:
    FeedbackSounds m_sounds;
};

} // namespace kelvaro
