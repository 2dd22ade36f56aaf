#include "FeedLedger.h"

#include <algorithm>

namespace kelvaro {

void FeedLedger::clear()
{
    m_runs.clear();
    m_deviceFrames = 0;
    m_sourceFrames = 0;
    m_deviceAtSourceEnd = 0;
}

void FeedLedger::addSilence(qint64 frames)
{
    add(frames, false);
}

void FeedLedger::addSource(qint64 frames)
{
    add(frames, true);
}

void FeedLedger::add(qint64 frames, bool source)
{
    if (frames <= 0)
        return;
    if (m_runs.empty() || m_runs.back().source != source)
        m_runs.push_back(Run{m_deviceFrames, m_sourceFrames, source});
    m_deviceFrames += frames;
    if (source) {
        m_sourceFrames += frames;
        m_deviceAtSourceEnd = m_deviceFrames;
    }
}

qint64 FeedLedger::sourceFramesWithin(qint64 deviceFrame) const
{
    if (deviceFrame >= m_deviceFrames)
        return m_sourceFrames;
    // The run holding the frame: the last one starting at or before it.
    const auto after =
        std::upper_bound(m_runs.begin(), m_runs.end(), deviceFrame,
                         [](qint64 frame, const Run& run) { return frame < run.deviceStart; });
    if (after == m_runs.begin())
        return 0;
    const Run& run = *(after - 1);
    return run.source ? run.sourceStart + (deviceFrame - run.deviceStart) : run.sourceStart;
}

} // namespace kelvaro
