#pragma once

#include "EnginePlayer.h"

namespace kelvaro {

/// The lesson player: an mp3 recording played sentence by sentence. A seek lands on the
/// exact sample, a reading emits exactly the samples up to the end fence, and the position
/// is what has been heard, so a poll that waits for "position > end" pauses it right after
/// the sentence's last sample was heard. A missing or undecodable file is silent and its
/// position stays at 0.
class LessonPlayer : public EnginePlayer
{
public:
    using EnginePlayer::EnginePlayer;

    void setFile(const QString& path) override;
    void setEndFence(double seconds) override;

    QString openError() const override { return m_openError; }

private:
    QString m_openError;
    double m_fence = -1; ///< seconds: it outlives a change of file and its rate
};

} // namespace kelvaro
