#include "RecordingScan.h"

#include "align/AlignmentFeatures.h"
#include "analysis/FrameLevels.h"
#include "analysis/Resampling.h"
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

namespace {

/// Gathers a recording's mono samples at kAlignRate while it is decoded, converting ten seconds
/// at a time so the whole recording is never held at its own rate.
class AlignRateCollector
{
public:
    AlignRateCollector(int rate, std::vector<float>& out) : m_rate(rate), m_out(out) {}

    void add(const float* mono, qint64 count)
    {
        m_pending.insert(m_pending.end(), mono, mono + count);
        const size_t stretch = size_t(m_rate) * 10;
        if (m_pending.size() >= stretch) {
            convert(stretch);
            m_pending.erase(m_pending.begin(), m_pending.begin() + long(stretch));
        }
    }
    void finish() { convert(m_pending.size()); }

private:
    void convert(size_t count)
    {
        if (count == 0)
            return;
        const std::vector<float> part(m_pending.begin(), m_pending.begin() + long(count));
        const std::vector<float> converted = resampled(part, m_rate, kAlignRate);
        m_out.insert(m_out.end(), converted.begin(), converted.end());
    }

    int m_rate;
    std::vector<float>& m_out;
    std::vector<float> m_pending;
};

} // namespace

Result<RecordingScan> scanMp3(const QString& path, const ImportProgress& progress,
                              bool forAlignment)
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
    AlignRateCollector collector(format.rate, scan.alignSamples);
    if (forAlignment && expected > 0)
        scan.alignSamples.reserve(size_t(expected * kAlignRate / format.rate) + 16);
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
        if (forAlignment)
            collector.add(mono.data(), got);
        scan.frames += got;
        if (progress && expected > 0) {
            const int percent = int(std::min<qint64>(100, scan.frames * 100 / expected));
            if (percent != reported)
                progress(reported = percent);
        }
        if (got < hop)
            break;
    }
    if (forAlignment)
        collector.finish();
    if (scan.frames == 0)
        return Error{QStringLiteral("录音 \"%1\" 是空的或无法解码").arg(path)};
    if (progress && reported != 100)
        progress(100);
    return scan;
}

} // namespace kelvaro
