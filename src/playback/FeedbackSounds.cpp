#include "FeedbackSounds.h"

#include "PcmDecoder.h"
#include "WavFile.h"

namespace kelvaro {

FeedbackSounds::FeedbackSounds(std::unique_ptr<AudioOutput> output) : m_engine(std::move(output)) {}

bool FeedbackSounds::play(const QString& path)
{
    std::shared_ptr<const PcmSound> sound = m_sounds.value(path);
    if (!sound) {
        auto read = readWav(path);
        if (!read) {
            m_engine.stop();
            return false;
        }
        sound = std::make_shared<const PcmSound>(std::move(read).value());
        m_sounds.insert(path, sound);
    }
    m_engine.setDecoder(std::make_unique<PcmDecoder>(sound));
    m_engine.play();
    return true;
}

} // namespace kelvaro
