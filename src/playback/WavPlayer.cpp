#include "WavPlayer.h"

#include "PcmDecoder.h"
#include "WavFile.h"

namespace kelvaro {

void WavPlayer::setFile(const QString& path)
{
    m_file = path;
    auto sound = readWav(path);
    if (!sound) {
        m_engine.setDecoder(nullptr);
        return;
    }
    m_engine.setDecoder(
        std::make_unique<PcmDecoder>(std::make_shared<const PcmSound>(std::move(sound).value())));
    // A media player given a file starts it at once (automatic start).
    m_engine.play();
}

} // namespace kelvaro
