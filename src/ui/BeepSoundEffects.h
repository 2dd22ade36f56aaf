#pragma once

#include "ports/VoiceRecorder.h"

namespace kelvaro {

/// Feedback sounds where no sound engine is wired: a missing file beeps, as the desktop's
/// default sound would.
class BeepSoundEffects : public SoundEffects
{
public:
    void play(const QString& path) override;
};

} // namespace kelvaro
