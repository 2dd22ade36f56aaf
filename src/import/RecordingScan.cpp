#include "RecordingScan.h"

#include "analysis/FrameLevels.h"
#include "analysis/SpeechBounds.h"
#include "playback/Mp3Decoder.h"

#include <QFileInfo>

#include <algorithm>

namespace kelvaro {

qint64 RecordingScan::speechEndMs(qint64 fromMs) const
{
    const size_t first = size_t(std::max<qint64>(0, fromMs / kLevelHopMs));
    if (first >= levelsDb.size())
        return lengthMs();
    const std::vector<float> tail(levelsDb.begin() + qint64(first), levelsDb.end());
    const auto [begin, end] = speechBounds(tail);
    if (begin >= end)
        return lengthMs();
    return std::min(lengthMs(), qint64(first + size_t(end)) * kLevelHopMs);
}

Result<RecordingScan> scanMp3(const QString& path, const ImportProgress& progress)
{
    auto decoder = Mp3Decoder::open(path, Mp3Decoder::Indexing::None);
    if (!decoder)
        return Error{QStringLiteral("无法读取录音 \"%1\"：这不是可以播放的 mp3 文件").arg(path)};
    Mp3Decoder& mp3 = *decoder.value();
    const AudioFormat format = mp3.format();
    if (!format.valid())
        return Error{QStringLiteral("无法读取录音 \"%1\"：这不是可以播放的 mp3 文件").arg(path)};

    RecordingScan scan;
    scan.rate = format.rate;
    const int hop = std::max(1, format.rate * RecordingScan::kLevelHopMs / 1000);
    const qint64 expected = mp3.length();
    std::vector<qint16> pcm(size_t(hop) * size_t(format.channels));
    std::vector<float> mono(static_cast<size_t>(hop));
    int reported = -1;
    for (;;) {
        const qint64 got = mp3.read(pcm.data(), hop);
        if (got <= 0)
            break;
        for (qint64 i = 0; i < hop; ++i) {
            float sum = 0;
            for (int c = 0; i < got && c < format.channels; ++c)
                sum += pcm[size_t(i * format.channels + c)];
            mono[size_t(i)] = sum / (32768.0f * float(format.channels));
        }
        scan.levelsDb.push_back(frameLevels(mono, hop, 1).energyDb.front());
        scan.frames += got;
        if (progress && expected > 0) {
            const int percent = int(std::min<qint64>(100, scan.frames * 100 / expected));
            if (percent != reported)
                progress(reported = percent);
        }
        if (got < hop)
            break;
    }
    if (scan.frames == 0)
        return Error{QStringLiteral("录音 \"%1\" 是空的或无法解码").arg(path)};
    if (progress && reported != 100)
        progress(100);
    return scan;
}

} // namespace kelvaro
