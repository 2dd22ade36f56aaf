#include "Mp3Transcoder.h"

#include <QFile>

#include <lame/lame.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <array>
#include <vector>

namespace kelvaro {

namespace {

// Rates the mp3 encoder writes as they are (MPEG-1, -2 and 2.5).
constexpr std::array kMp3Rates = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

int mp3RateFor(int sourceRate)
{
    return std::find(kMp3Rates.begin(), kMp3Rates.end(), sourceRate) != kMp3Rates.end() ? sourceRate
                                                                                        : 44100;
}

// Owns the FFmpeg and LAME state of one transcoding; every exit frees all of it.
class Transcoding
{
public:
    Transcoding(const QString& source, const QString& target, const ImportProgress& progress)
        : m_source(source), m_out(target), m_progress(progress)
    {
    }

    ~Transcoding()
    {
        if (m_lame)
            lame_close(m_lame);
        swr_free(&m_swr);
        av_frame_free(&m_frame);
        av_packet_free(&m_packet);
        avcodec_free_context(&m_decoder);
        avformat_close_input(&m_format);
    }

    Status run()
    {
        if (Status s = openSource(); !s)
            return s;
        if (Status s = openEncoder(); !s)
            return s;
        if (!m_out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return Status::failure(QStringLiteral("无法写入文件 \"%1\"：%2")
                                       .arg(m_out.fileName(), m_out.errorString()));
        m_packet = av_packet_alloc();
        m_frame = av_frame_alloc();
        while (av_read_frame(m_format, m_packet) >= 0) {
            if (m_packet->stream_index == m_stream) {
                reportProgress(m_packet->pts);
                // A damaged packet is skipped, as a player would.
                if (avcodec_send_packet(m_decoder, m_packet) >= 0 && !drainDecoder())
                    return writeFailure();
            }
            av_packet_unref(m_packet);
        }
        avcodec_send_packet(m_decoder, nullptr);
        if (!drainDecoder() || !encode(nullptr, 0) || !finish())
            return writeFailure();
        if (m_samplesIn == 0)
            return refuse(QStringLiteral("文件里没有可以解码的声音"));
        if (m_progress)
            m_progress(100);
        return Status::success();
    }

private:
    Status refuse(const QString& why) const
    {
        return Status::failure(QStringLiteral("无法读取录音 \"%1\"：%2").arg(m_source, why));
    }

    Status writeFailure() const
    {
        return Status::failure(
            QStringLiteral("无法写入文件 \"%1\"：%2").arg(m_out.fileName(), m_out.errorString()));
    }

    Status openSource()
    {
        const QByteArray path = QFile::encodeName(m_source);
        if (avformat_open_input(&m_format, path.constData(), nullptr, nullptr) < 0)
            return refuse(QStringLiteral("无法识别的音频或视频格式"));
        if (avformat_find_stream_info(m_format, nullptr) < 0)
            return refuse(QStringLiteral("无法识别的音频或视频格式"));
        const AVCodec* codec = nullptr;
        m_stream = av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
        if (m_stream < 0 || !codec)
            return refuse(QStringLiteral("文件里没有声音"));
        AVStream* stream = m_format->streams[m_stream];
        m_decoder = avcodec_alloc_context3(codec);
        if (!m_decoder || avcodec_parameters_to_context(m_decoder, stream->codecpar) < 0 ||
            avcodec_open2(m_decoder, codec, nullptr) < 0)
            return refuse(QStringLiteral("无法解码其中的声音"));
        if (m_decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&m_decoder->ch_layout, m_decoder->ch_layout.nb_channels);
        if (m_decoder->ch_layout.nb_channels < 1 || m_decoder->sample_rate < 1)
            return refuse(QStringLiteral("无法解码其中的声音"));
        m_channels = m_decoder->ch_layout.nb_channels == 1 ? 1 : 2;
        m_rate = mp3RateFor(m_decoder->sample_rate);
        m_duration = stream->duration != AV_NOPTS_VALUE
                         ? stream->duration
                         : av_rescale_q(m_format->duration, AV_TIME_BASE_Q, stream->time_base);
        m_startPts = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;

        AVChannelLayout layout;
        av_channel_layout_default(&layout, m_channels);
        const int made =
            swr_alloc_set_opts2(&m_swr, &layout, AV_SAMPLE_FMT_S16, m_rate, &m_decoder->ch_layout,
                                m_decoder->sample_fmt, m_decoder->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&layout);
        if (made < 0 || swr_init(m_swr) < 0)
            return refuse(QStringLiteral("无法转换其中的声音"));
        return Status::success();
    }

    Status openEncoder()
    {
        m_lame = lame_init();
        if (!m_lame)
            return refuse(QStringLiteral("无法启动 mp3 编码器"));
        lame_set_in_samplerate(m_lame, m_rate);
        lame_set_out_samplerate(m_lame, m_rate);
        lame_set_num_channels(m_lame, m_channels);
        lame_set_mode(m_lame, m_channels == 1 ? MONO : JOINT_STEREO);
        lame_set_VBR(m_lame, vbr_off);
        lame_set_brate(m_lame, m_channels == 1 ? 96 : 128);
        lame_set_quality(m_lame, 5);
        // The info tag tells the decoder the encoder's delay and padding: without it every
        // time in the transcript would land some 50 ms late.
        lame_set_bWriteVbrTag(m_lame, 1);
        if (lame_init_params(m_lame) < 0)
            return refuse(QStringLiteral("无法启动 mp3 编码器"));
        return Status::success();
    }

    void reportProgress(int64_t pts)
    {
        if (!m_progress || m_duration <= 0 || pts == AV_NOPTS_VALUE)
            return;
        const int percent = int(std::clamp<int64_t>((pts - m_startPts) * 100 / m_duration, 0, 99));
        if (percent != m_reported)
            m_progress(m_reported = percent);
    }

    bool drainDecoder()
    {
        while (avcodec_receive_frame(m_decoder, m_frame) >= 0) {
            const bool ok =
                convert(const_cast<const uint8_t**>(m_frame->extended_data), m_frame->nb_samples);
            av_frame_unref(m_frame);
            if (!ok)
                return false;
        }
        return true;
    }

    // Resamples frames of decoded sound (nullptr: what the resampler still holds) and encodes.
    bool convert(const uint8_t** data, int frames)
    {
        const int room = swr_get_out_samples(m_swr, frames);
        if (room <= 0)
            return true;
        m_pcm.resize(size_t(room) * size_t(m_channels));
        uint8_t* out = reinterpret_cast<uint8_t*>(m_pcm.data());
        const int got = swr_convert(m_swr, &out, room, data, frames);
        if (got < 0)
            return false;
        return encode(m_pcm.data(), got);
    }

    // Encodes frames of interleaved PCM; nullptr flushes the resampler and then the encoder.
    bool encode(short* pcm, int frames)
    {
        if (!pcm) {
            if (!convert(nullptr, 0))
                return false;
            m_mp3.resize(7200);
            const int bytes = lame_encode_flush(m_lame, m_mp3.data(), int(m_mp3.size()));
            return bytes >= 0 && write(bytes);
        }
        if (frames == 0)
            return true;
        m_samplesIn += frames;
        m_mp3.resize(size_t(frames) * 5 / 4 + 7200);
        const int bytes =
            m_channels == 1
                ? lame_encode_buffer(m_lame, pcm, pcm, frames, m_mp3.data(), int(m_mp3.size()))
                : lame_encode_buffer_interleaved(m_lame, pcm, frames, m_mp3.data(),
                                                 int(m_mp3.size()));
        return bytes >= 0 && write(bytes);
    }

    bool write(int bytes)
    {
        return bytes == 0 ||
               m_out.write(reinterpret_cast<const char*>(m_mp3.data()), bytes) == bytes;
    }

    // The info tag replaces the empty frame the encoder put first.
    bool finish()
    {
        std::vector<unsigned char> tag(2880);
        const size_t size = lame_get_lametag_frame(m_lame, tag.data(), tag.size());
        if (size > 0 && size <= tag.size()) {
            if (!m_out.seek(0) || m_out.write(reinterpret_cast<const char*>(tag.data()),
                                              qint64(size)) != qint64(size))
                return false;
        }
        m_out.close();
        return m_out.error() == QFileDevice::NoError;
    }

    QString m_source;
    QFile m_out;
    ImportProgress m_progress;
    AVFormatContext* m_format = nullptr;
    AVCodecContext* m_decoder = nullptr;
    SwrContext* m_swr = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_frame = nullptr;
    lame_global_flags* m_lame = nullptr;
    int m_stream = -1;
    int m_channels = 0;
    int m_rate = 0;
    int64_t m_duration = 0;
    int64_t m_startPts = 0;
    int m_reported = -1;
    qint64 m_samplesIn = 0;
    std::vector<short> m_pcm;
    std::vector<unsigned char> m_mp3;
};

} // namespace

Status transcodeToMp3(const QString& source, const QString& mp3Path, const ImportProgress& progress)
{
    return Transcoding(source, mp3Path, progress).run();
}

} // namespace kelvaro
