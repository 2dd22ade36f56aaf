// The segment cut: arbitrary start and end times against a small real recording give exactly
// the samples between them, or nothing, and never hang or read outside the sound.
#include "FuzzCheck.h"

#include "playback/SegmentRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace kelvaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double times[2] = {0, 0};
    std::memcpy(times, data, std::min(size, sizeof times));
    const auto [start, end] = times;
    const QString path = QStringLiteral(KELVARO_FUZZ_MP3);
    const Result<PcmSound> sound = renderSegment(path, start, end);
    FUZZ_CHECK(sound.ok());
    const int rate = sound->format.rate;
    FUZZ_CHECK(sound->format.valid());
    FUZZ_CHECK(sound->samples.size() % size_t(sound->format.channels) == 0);
    // A short recording: never more than its few seconds, and with a fence no more than the
    // stretch from the start to it.
    FUZZ_CHECK(sound->frames() <= 30 * rate);
    if (end >= 0 && std::isfinite(start)) {
        const qint64 from = std::max<qint64>(framesAt(start, rate), 0);
        FUZZ_CHECK(sound->frames() <= std::max<qint64>(framesAt(end, rate) - from, 0));
    }
    return 0;
}
