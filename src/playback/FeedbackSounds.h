#pragma once

#include "PcmSound.h"
#include "PlaybackEngine.h"

#include <QHash>
#include <QString>

#include <memory>

namespace kelvaro {

/// Short feedback sounds (clicks, right and wrong) on an output of their own, so they never
/// touch the lesson reading. A new sound cuts off the one playing. Sounds are read once and
/// kept: they are few and played again and again.
class FeedbackSounds
{
public:
    explicit FeedbackSounds(std::unique_ptr<AudioOutput> output);

    /// Plays the wave file at path from its start; false (and silence) when it is missing or
    /// unreadable, so the caller can give the desktop's beep instead.
    bool play(const QString& path);

    PlaybackEngine& engine() { return m_engine; }

private:
    PlaybackEngine m_engine;
    QHash<QString, std::shared_ptr<const PcmSound>> m_sounds;
};

} // namespace kelvaro
