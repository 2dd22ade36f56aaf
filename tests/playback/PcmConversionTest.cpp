// The recorder's format choice and conversion: a microphone that refuses 16 kHz mono records
// in its own format, and the take is converted.
#include "playback/PcmConversion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace kelvaro;

namespace {

QAudioFormat format(int rate, int channels, QAudioFormat::SampleFormat sample)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(sample);
    return f;
}

template <typename T> QByteArray bytesOf(const std::vector<T>& samples)
{
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      qsizetype(samples.size() * sizeof(T)));
}

template <typename T> std::vector<T> samplesOf(const QByteArray& bytes)
{
    std::vector<T> samples(size_t(bytes.size()) / sizeof(T));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(T));
    return samples;
}

const QAudioFormat kTake = format(16000, 1, QAudioFormat::Int16);

} // namespace

TEST(PcmConversion, TheWantedFormatIsUsedOnlyWhereTheDeviceTakesIt)
{
    const QAudioFormat device = format(48000, 2, QAudioFormat::Float);
    auto takesOnly = [](const QAudioFormat& accepted) {
        return [accepted](const QAudioFormat& f) { return f == accepted; };
    };
    EXPECT_EQ(chooseDeviceFormat(kTake, device, takesOnly(kTake)), kTake);
    EXPECT_EQ(chooseDeviceFormat(kTake, device, takesOnly(device)), device);
    // A device that reports no usable format of its own: asking for the wanted one is all left.
    EXPECT_EQ(chooseDeviceFormat(kTake, QAudioFormat(), takesOnly(device)), kTake);
}

TEST(PcmConversion, ChannelsAndSampleFormatsConvert)
{
    // 48 kHz stereo float, as many desktop devices record: left 0.5, right 0.25.
    std::vector<float> stereo;
    for (int i = 0; i < 480; ++i)
        stereo.insert(stereo.end(), {0.5f, 0.25f});
    const std::vector<qint16> mono = samplesOf<qint16>(
        convertPcm(bytesOf(stereo), format(48000, 2, QAudioFormat::Float), kTake));
    ASSERT_EQ(mono.size(), 160u); // 10 ms at 16 kHz
    for (qint16 s : mono)
        EXPECT_EQ(s, 12288); // the mean, 0.375

    // The take to a stereo 32-bit output at 48 kHz: both channels the same, three times as long.
    const std::vector<qint32> out = samplesOf<qint32>(convertPcm(
        bytesOf(std::vector<qint16>(160, 16384)), kTake, format(48000, 2, QAudioFormat::Int32)));
    ASSERT_EQ(out.size(), 960u);
    for (qint32 s : out)
        EXPECT_EQ(s, 1073741824);

    // 8-bit unsigned: 128 is silence, 0 the bottom.
    EXPECT_EQ(samplesOf<qint16>(convertPcm(QByteArray("\x80\x00\xff", 3),
                                           format(16000, 1, QAudioFormat::UInt8), kTake)),
              (std::vector<qint16>{0, -32768, 32512}));
    // Out-of-range floats are clipped, not wrapped.
    EXPECT_EQ(samplesOf<qint16>(convertPcm(bytesOf(std::vector<float>{2.0f, -3.0f}),
                                           format(16000, 1, QAudioFormat::Float), kTake)),
              (std::vector<qint16>{32767, -32768}));
}

TEST(PcmConversion, TheRateChangesByLinearInterpolation)
{
    EXPECT_EQ(samplesOf<qint16>(convertPcm(bytesOf(std::vector<qint16>{0, 1000}), kTake,
                                           format(32000, 1, QAudioFormat::Int16))),
              (std::vector<qint16>{0, 500, 1000, 1000}));
    EXPECT_EQ(samplesOf<qint16>(convertPcm(bytesOf(std::vector<qint16>{0, 10, 20, 30, 40, 50}),
                                           format(48000, 1, QAudioFormat::Int16), kTake)),
              (std::vector<qint16>{0, 30}));
}

TEST(PcmConversion, NothingToConvertGivesNothing)
{
    EXPECT_TRUE(convertPcm(QByteArray(), kTake, format(48000, 2, QAudioFormat::Float)).isEmpty());
    EXPECT_TRUE(convertPcm(QByteArray(8, '\0'), QAudioFormat(), kTake).isEmpty());
    // A trailing partial frame is dropped.
    EXPECT_EQ(convertPcm(QByteArray(5, '\0'), kTake, kTake).size(), 4);
}
