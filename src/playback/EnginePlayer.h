#pragma once

#include "PlaybackEngine.h"

#include "ports/MediaPlayer.h"

namespace kelvaro {

/// A media player on the playback engine: the calls every player forwards alike, positions in
/// seconds turned into frames of the open sound. The players differ only in how they open a
/// file.
class EnginePlayer : public MediaPlayer
{
public:
    explicit EnginePlayer(std::unique_ptr<AudioOutput> output) : m_engine(std::move(output)) {}

    QString file() const override { return m_file; }
    void play() override { m_engine.play(); }
    void pause() override { m_engine.pause(); }
    void stop() override { m_engine.stop(); }
    double position() const override;
    void setPosition(double seconds) override;
    void setVolume(int volume) override { m_engine.setVolume(volume); }
    bool isPlaying() const override { return m_engine.isPlaying(); }

    PlaybackEngine& engine() { return m_engine; }

protected:
    /// Frames per second of the open sound; 0 when none is open.
    int rate() const { return m_engine.format().rate; }

    PlaybackEngine m_engine;
    QString m_file;
};

} // namespace kelvaro
