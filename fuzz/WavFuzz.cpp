// Bytes of a wave file -> 16-bit PCM, or a refusal that names the file.
#include "FuzzCheck.h"

#include "playback/WavFile.h"

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = QStringLiteral("/learner/Word/w/walk.wav");
    const Result<PcmSound> sound = parseWav(fuzz::bytes(data, size), path);
    if (!sound.ok()) {
        FUZZ_CHECK(sound.error().contains(path));
        return 0;
    }
    FUZZ_CHECK(sound->format.valid());
    FUZZ_CHECK(sound->samples.size() % size_t(sound->format.channels) == 0);
    // Every sample comes from at least one byte of the file.
    FUZZ_CHECK(sound->samples.size() <= size);
    return 0;
}
