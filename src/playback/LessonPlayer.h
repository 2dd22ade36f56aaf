#pragma once

#include "EnginePlayer.h"
#include "StretchingAudioOutput.h"

namespace kelvaro {

/// The lesson player: an mp3 recording played sentence by sentence. A seek lands on the
/// exact sample, a reading emits exactly the samples up to the end fence, and the position
/// is what has been heard, so a poll that waits for "position > end" pauses it right after
/// the sentence's last sample was heard. A missing or undecodable file is silent and its
/// position stays at 0. Slower or faster speech goes through a time-stretch at the same
/// pitch, still fenced to the sentence's own samples; at speed 1 nothing stands between the
/// engine and the output.
class LessonPlayer : public EnginePlayer
{
public:
    explicit LessonPlayer(std::unique_ptr<AudioOutput> output);

    void setFile(const QString& path) override;
    void setEndFence(double seconds) override;
    void setSpeed(double speed) override;

    QString openError() const override { return m_openError; }
    /// The stretch between the engine and the device.
    StretchingAudioOutput& stretcher() { return *m_stretcher; }

private:
    StretchingAudioOutput* m_stretcher; ///< owned by the engine
    QString m_openError;
    double m_fence = -1; ///< seconds: it outlives a change of file and its rate
};

} // namespace kelvaro
