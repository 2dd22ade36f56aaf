#pragma once

#include "SampleDecoder.h"

#include "content/Result.h"

#include <QString>

#include <memory>
#include <thread>

struct mpg123_handle_struct;

namespace kelvaro {

/// An mp3 file decoded by libmpg123 at its own rate and channel count, with gapless
/// trimming, so frame 0 is the first sample the encoder was given and a seek lands on the
/// exact frame, CBR and VBR alike. Opening returns at once; the seek index of every MPEG
/// frame is built on a thread of its own (a 30-minute file takes ~45 ms) and taken in by
/// the next seek or read. Until then a seek is just as exact, reading frame headers forward.
class Mp3Decoder : public SampleDecoder
{
public:
    enum class Indexing { Background, None };

    /// Opens path; the error names the file.
    static Result<std::unique_ptr<Mp3Decoder>> open(const QString& path,
                                                    Indexing indexing = Indexing::Background);
    ~Mp3Decoder() override;

    AudioFormat format() const override { return m_format; }
    /// Exact once indexed; before that as the file's header gives it.
    qint64 length() const override { return m_length; }
    bool seek(qint64 frame) override;
    qint64 tell() const override { return m_position; }
    qint64 read(qint16* out, qint64 frames) override;

    /// Blocks until the background index is built and taken in (for measurements and tests).
    void waitForIndex();
    /// Whether the full index is in use.
    bool indexed() const { return m_indexTaken; }

private:
    struct Index;

    Mp3Decoder() = default;
    void takeIndex(bool wait);

    mpg123_handle_struct* m_handle = nullptr;
    AudioFormat m_format;
    qint64 m_length = -1;
    qint64 m_position = 0;
    std::shared_ptr<Index> m_index;
    std::thread m_indexer;
    bool m_indexTaken = false;
};

} // namespace kelvaro
