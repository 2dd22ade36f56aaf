#pragma once

#include <QtGlobal>

#include <vector>

namespace kelvaro {

/// The frames handed to a device in order, each either silence or the source's own, so a
/// count of device frames played turns into a count of source frames heard.
class FeedLedger
{
public:
    /// Forgets everything: a new stream.
    void clear();
    void addSilence(qint64 frames);
    void addSource(qint64 frames);

    /// Device frames handed over so far.
    qint64 deviceFrames() const { return m_deviceFrames; }
    /// Source frames handed over so far.
    qint64 sourceFrames() const { return m_sourceFrames; }
    /// Source frames among the first deviceFrame device frames.
    qint64 sourceFramesWithin(qint64 deviceFrame) const;
    /// The device frame count at which the last source frame has been played.
    qint64 deviceFramesToSourceEnd() const { return m_deviceAtSourceEnd; }

private:
    struct Run
    {
        qint64 deviceStart;
        qint64 sourceStart; ///< source frames before this run
        bool source;
    };
    void add(qint64 frames, bool source);

    std::vector<Run> m_runs;
    qint64 m_deviceFrames = 0;
    qint64 m_sourceFrames = 0;
    qint64 m_deviceAtSourceEnd = 0;
};

} // namespace kelvaro
