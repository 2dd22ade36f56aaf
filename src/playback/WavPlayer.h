#pragma once

#include "EnginePlayer.h"

namespace kelvaro {

/// The word player: a short wave file read into memory and played through its own output.
/// Giving it a file starts that file from its beginning and cuts off the one playing; a
/// missing or unreadable file is silent and reports nothing.
class WavPlayer : public EnginePlayer
{
public:
    using EnginePlayer::EnginePlayer;

    void setFile(const QString& path) override;
};

} // namespace kelvaro
