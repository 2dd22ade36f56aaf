#pragma once

#include "PlaybackEngine.h"

#include "ports/MediaPlayer.h"

namespace kelvaro {

/// The lesson player: an mp3 recording played sentence by sentence. A seek lands on the
/// exact sample, a reading emits exactly the samples up to the end fence, and the position
/// is what has been heard, so a poll that waits for "position > end" pauses it right after
/// the sentence's last sample was heard. A missing or undecodable file is silent and its
/// position stays at 0.
class LessonPlayer : public MediaPlayer
{
public:
    explicit LessonPlayer(std::unique_ptr<AudioOutput> output);

    void setFile(const QString& path) override;
    QString file() const override { return m_file; }
    void play() override { m_engine.play(); }
    void pause() override { m_engine.pause(); }
    void stop() override { m_engine.stop(); }
    double position() const override;
    void setPosition(double seconds) override;
    void setVolume(int volume) override { m_engine.setVolume(volume); }
    bool isPlaying() const override { return m_engine.isPlaying(); }
    void setEndFence(double seconds) override;

    /// Why the last setFile() gave a silent player; empty when the file opened.
    const QString& openError() const { return m_openError; }
    PlaybackEngine& engine() { return m_engine; }

private:
    int rate() const { return m_engine.format().rate; }

    PlaybackEngine m_engine;
    QString m_file;
    QString m_openError;
    double m_fence = -1; ///< seconds: it outlives a change of file and its rate
};

} // namespace kelvaro
