#include "Mp3Decoder.h"

#include <QFile>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <vector>

#include <mpg123.h>

namespace kelvaro {

/// What the indexing thread hands over.
struct Mp3Decoder::Index
{
    std::mutex mutex;
    std::condition_variable ready;
    bool done = false;
    bool ok = false;
    std::vector<off_t> offsets;
    off_t step = 0;
    qint64 length = -1;
};

namespace {

Error failure(const QString& path, const QString& what)
{
    // Shown to the learner when a lesson opens: the decoder's own reason stays in brackets.
    return Error{QStringLiteral("无法播放录音文件：%1（%2）").arg(path, what)};
}

// Both handles of a file must see it the same way, or the index would not fit.
mpg123_handle* newHandle(int* error)
{
    mpg123_handle* handle = mpg123_new(nullptr, error);
    if (handle == nullptr)
        return nullptr;
    // Gapless trimming drops the encoder's delay and padding; 16 preframes refill the bit
    // reservoir after a seek (with the default 4, some VBR seeks decode damaged audio); the
    // index grows to one entry per MPEG frame.
    mpg123_param(handle, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
    mpg123_param(handle, MPG123_PREFRAMES, 16, 0);
    mpg123_param(handle, MPG123_INDEX_SIZE, -1000, 0);
    // 16-bit at the file's own rate and channel count: never resampled or remixed.
    mpg123_format_none(handle);
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    return handle;
}

// libmpg123's own reader makes two read() calls per MPEG frame: 137,000 system calls for a
// 30-minute file, nine tenths of the index scan. A stdio stream with a 64 KiB buffer makes
// about one per buffer.
struct BufferedFile
{
    static constexpr size_t BufferSize = 64 * 1024;
    std::FILE* file = nullptr;
    std::unique_ptr<char[]> buffer{new char[BufferSize]};
};

mpg123_ssize_t readBuffered(void* handle, void* out, size_t bytes)
{
    std::FILE* file = static_cast<BufferedFile*>(handle)->file;
    const size_t got = std::fread(out, 1, bytes, file);
    if (got == 0 && std::ferror(file))
        return -1;
    return mpg123_ssize_t(got);
}

off_t seekBuffered(void* handle, off_t offset, int whence)
{
    std::FILE* file = static_cast<BufferedFile*>(handle)->file;
    if (fseeko(file, offset, whence) != 0)
        return -1;
    return ftello(file);
}

void closeBuffered(void* handle)
{
    auto* buffered = static_cast<BufferedFile*>(handle);
    std::fclose(buffered->file);
    delete buffered;
}

/// Opens fileName on handle through the buffered reader; mpg123_close() frees it again.
bool openBuffered(mpg123_handle* handle, const QByteArray& fileName)
{
    if (mpg123_replace_reader_handle(handle, readBuffered, seekBuffered, closeBuffered) !=
        MPG123_OK)
        return false;
    auto buffered = std::make_unique<BufferedFile>();
    buffered->file = std::fopen(fileName.constData(), "rb");
    if (buffered->file == nullptr)
        return false;
    std::setvbuf(buffered->file, buffered->buffer.get(), _IOFBF, BufferedFile::BufferSize);
    // From here on the handle owns the file, also when opening fails (its close cleans up).
    return mpg123_open_handle(handle, buffered.release()) == MPG123_OK;
}

} // namespace

Result<std::unique_ptr<Mp3Decoder>> Mp3Decoder::open(const QString& path, Indexing indexing)
{
    if (!QFile::exists(path))
        return failure(path, QStringLiteral("no such file"));
    int error = MPG123_OK;
    mpg123_handle* handle = newHandle(&error);
    if (handle == nullptr)
        return failure(path, QString::fromUtf8(mpg123_plain_strerror(error)));
    std::unique_ptr<Mp3Decoder> decoder(new Mp3Decoder);
    decoder->m_handle = handle;

    const QByteArray fileName = QFile::encodeName(path);
    if (!openBuffered(handle, fileName))
        return failure(path, QString::fromUtf8(mpg123_strerror(handle)));
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK)
        return failure(path, QStringLiteral("no MPEG audio found"));
    decoder->m_format = AudioFormat{int(rate), channels};
    decoder->m_length = qint64(mpg123_length(handle));
    if (decoder->m_length <= 0)
        return failure(path, QStringLiteral("no MPEG audio found"));

    if (indexing == Indexing::Background) {
        auto index = std::make_shared<Index>();
        decoder->m_index = index;
        decoder->m_indexer = std::thread([index, fileName] {
            int error = MPG123_OK;
            mpg123_handle* scanner = newHandle(&error);
            bool ok = scanner != nullptr && openBuffered(scanner, fileName) &&
                      mpg123_scan(scanner) == MPG123_OK;
            off_t* offsets = nullptr;
            off_t step = 0;
            size_t fill = 0;
            ok = ok && mpg123_index(scanner, &offsets, &step, &fill) == MPG123_OK;
            std::lock_guard lock(index->mutex);
            if (ok) {
                index->offsets.assign(offsets, offsets + fill);
                index->step = step;
                index->length = qint64(mpg123_length(scanner));
            }
            index->ok = ok;
            index->done = true;
            index->ready.notify_all();
            if (scanner != nullptr)
                mpg123_delete(scanner);
        });
    }
    return decoder;
}

Mp3Decoder::~Mp3Decoder()
{
    if (m_indexer.joinable())
        m_indexer.join();
    if (m_handle != nullptr) {
        mpg123_close(m_handle);
        mpg123_delete(m_handle);
    }
}

void Mp3Decoder::waitForIndex()
{
    takeIndex(true);
}

void Mp3Decoder::takeIndex(bool wait)
{
    if (m_indexTaken || !m_index)
        return;
    const std::shared_ptr<Index> index = m_index; // outlives the lock below
    {
        std::unique_lock lock(index->mutex);
        if (wait)
            index->ready.wait(lock, [&index] { return index->done; });
        if (!index->done)
            return;
        if (index->ok && mpg123_set_index(m_handle, index->offsets.data(), index->step,
                                          index->offsets.size()) == MPG123_OK) {
            m_length = index->length;
            m_indexTaken = true;
        }
    }
    m_index.reset();
}

bool Mp3Decoder::seek(qint64 frame)
{
    takeIndex(false);
    // Before the index the length is the header's estimate: let the seek itself find the end.
    if (frame < 0 || (m_indexTaken && frame > m_length))
        return false;
    const off_t reached = mpg123_seek(m_handle, off_t(frame), SEEK_SET);
    if (reached < 0)
        return false;
    m_position = qint64(reached);
    return reached == off_t(frame);
}

qint64 Mp3Decoder::read(qint16* out, qint64 frames)
{
    takeIndex(false);
    const size_t frameBytes = sizeof(qint16) * size_t(m_format.channels);
    qint64 done = 0;
    while (done < frames) {
        size_t got = 0;
        const int status =
            mpg123_read(m_handle, reinterpret_cast<unsigned char*>(out + done * m_format.channels),
                        size_t(frames - done) * frameBytes, &got);
        done += qint64(got / frameBytes);
        if (status == MPG123_NEW_FORMAT || (status == MPG123_OK && got > 0))
            continue;
        break; // the end of the sound, or a damaged tail: either ends the reading here
    }
    m_position += done;
    return done;
}

} // namespace kelvaro
