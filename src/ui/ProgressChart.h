#pragma once

#include "history/ReviewSummary.h"

#include <QWidget>

#include <vector>

namespace kelvaro {

/// "学习记录": the last 30 days as bars (sentences practised, and of them passed) with the
/// average read-after score as a line, and the streak; drawn with vectors, sharp at any scale.
class ProgressChart : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressChart(QWidget* parent = nullptr);

    /// The days to draw (oldest first) and the streak.
    void setDays(const std::vector<DayTotals>& days, int streak);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DayTotals> m_days;
    int m_streak = 0;
};

} // namespace kelvaro
