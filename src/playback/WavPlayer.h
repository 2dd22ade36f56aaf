#pragma once

#include "PlaybackEngine.h"

#include "ports/MediaPlayer.h"

namespace kelvaro {

/// The word player: a short wave file read into memory and played through its own output.
/// Giving it a file starts that file from its beginning and cuts off the one playing; a
/// missing or unreadable file is silent and reports nothing.
class WavPlayer : public MediaPlayer
{
public:
    explicit WavPlayer(std::unique_ptr<AudioOutput> output);

    void setFile(const QString& path) override;
    QString file() const override { return m_file; }
    void play() override { m_engine.play(); }
    void pause() override { m_engine.pause(); }
    void stop() override { m_engine.stop(); }
    double position() const override;
    void setPosition(double seconds) override;
    void setVolume(int volume) override { m_engine.setVolume(volume); }
    bool isPlaying() const override { return m_engine.isPlaying(); }

    PlaybackEngine& engine() { return m_engine; }

private:
    PlaybackEngine m_engine;
    QString m_file;
};

} // namespace kelvaro
