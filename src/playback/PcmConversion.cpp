#include "PcmConversion.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace kelvaro {

namespace {

bool convertible(const QAudioFormat& format)
{
    return format.sampleRate() > 0 && format.channelCount() > 0 &&
           format.sampleFormat() != QAudioFormat::Unknown && format.bytesPerSample() > 0;
}

// One sample as a float in -1..1.
float readSample(const char* p, QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8:
        return (float(quint8(*p)) - 128.0f) / 128.0f;
    case QAudioFormat::Int16: {
        qint16 v;
        std::memcpy(&v, p, sizeof v);
        return float(v) / 32768.0f;
    }
    case QAudioFormat::Int32: {
        qint32 v;
        std::memcpy(&v, p, sizeof v);
        return float(double(v) / 2147483648.0);
    }
    case QAudioFormat::Float: {
        float v;
        std::memcpy(&v, p, sizeof v);
        return std::isfinite(v) ? v : 0.0f;
    }
    default:
        return 0.0f;
    }
}

void writeSample(char* p, float value, QAudioFormat::SampleFormat format)
{
    const double v = std::clamp(double(value), -1.0, 1.0);
    switch (format) {
    case QAudioFormat::UInt8:
        *p = char(quint8(std::lround(std::clamp(v * 128.0 + 128.0, 0.0, 255.0))));
        break;
    case QAudioFormat::Int16: {
        const qint16 s = qint16(std::lround(std::clamp(v * 32768.0, -32768.0, 32767.0)));
        std::memcpy(p, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int32: {
        const qint32 s =
            qint32(std::llround(std::clamp(v * 2147483648.0, -2147483648.0, 2147483647.0)));
        std::memcpy(p, &s, sizeof s);
        break;
    }
    case QAudioFormat::Float: {
        const float s = float(v);
        std::memcpy(p, &s, sizeof s);
        break;
    }
    default:
        break;
    }
}

} // namespace

QAudioFormat chooseDeviceFormat(const QAudioFormat& wanted, const QAudioFormat& preferred,
                                const std::function<bool(const QAudioFormat&)>& supported)
{
    if (supported(wanted) || !convertible(preferred))
        return wanted;
    return preferred;
}

QByteArray convertPcm(const QByteArray& data, const QAudioFormat& from, const QAudioFormat& to)
{
    if (!convertible(from) || !convertible(to))
        return {};
    const int inChannels = from.channelCount();
    const int outChannels = to.channelCount();
    const int inFrameBytes = from.bytesPerFrame();
    const qsizetype inFrames = data.size() / inFrameBytes;

    // Frames at the source rate, in the target's channels.
    std::vector<float> mixed(size_t(inFrames) * size_t(outChannels));
    const char* in = data.constData();
    for (qsizetype f = 0; f < inFrames; ++f) {
        const char* frame = in + f * inFrameBytes;
        float* out = mixed.data() + f * outChannels;
        if (outChannels == 1) {
            float sum = 0;
            for (int c = 0; c < inChannels; ++c)
                sum += readSample(frame + c * from.bytesPerSample(), from.sampleFormat());
            out[0] = sum / float(inChannels);
        } else {
            for (int c = 0; c < outChannels; ++c) {
                const int source = std::min(c, inChannels - 1);
                out[c] = readSample(frame + source * from.bytesPerSample(), from.sampleFormat());
            }
        }
    }

    const qint64 outFrames =
        inFrames == 0 ? 0
                      : std::max<qint64>(1, std::llround(double(inFrames) * to.sampleRate() /
                                                         from.sampleRate()));
    QByteArray result(outFrames * to.bytesPerFrame(), Qt::Uninitialized);
    const double step = double(from.sampleRate()) / to.sampleRate();
    for (qint64 f = 0; f < outFrames; ++f) {
        const double position = f * step;
        const qsizetype left = std::min<qsizetype>(qsizetype(position), inFrames - 1);
        const qsizetype right = std::min<qsizetype>(left + 1, inFrames - 1);
        const float weight = float(position - double(left));
        char* frame = result.data() + f * to.bytesPerFrame();
        for (int c = 0; c < outChannels; ++c) {
            const float a = mixed[size_t(left) * outChannels + c];
            const float b = mixed[size_t(right) * outChannels + c];
            writeSample(frame + c * to.bytesPerSample(), a + (b - a) * weight, to.sampleFormat());
        }
    }
    return result;
}

} // namespace kelvaro
