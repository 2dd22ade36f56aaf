#pragma once

#include "ports/HistoryStore.h"

namespace kelvaro {

/// The system's time; KELVARO_TODAY=YYYY-MM-DD in the environment at start-up moves it to
/// that day (same time of day), so a learner's reviews can be tried days ahead.
class SystemWallClock : public WallClock
{
public:
    SystemWallClock();
    qint64 now() const override;

private:
    qint64 m_offset = 0;
};

} // namespace kelvaro
