#include "ProgressChart.h"

#include "Fonts.h"
#include "Theme.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kelvaro {

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReviewProgressChart"));
}

void ProgressChart::setDays(const std::vector<DayTotals>& days, int streak)
{
    m_days = days;
    m_streak = streak;
    update();
}

void ProgressChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(theme::kControlBorder);
    p.setBrush(Qt::white);
    p.drawRoundedRect(all, 6, 6);

    const QFont small = interfaceFont(8);
    const QFontMetricsF metrics(small);
    const double line = metrics.height();
    p.setFont(interfaceFont(9, true));
    p.setPen(theme::kFrame);
    const QRectF header = all.adjusted(8, 4, -8, 0);
    p.drawText(QRectF(header.left(), header.top(), header.width(), line + 4),
               Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("学习记录（最近30天） 连续学习 %1 天").arg(m_streak));

    // Legend on the right of the header.
    p.setFont(small);
    const struct
    {
        QColor colour;
        QString text;
    } legend[] = {{theme::kTrack.darker(115), QStringLiteral("练习")},
                  {theme::kDone, QStringLiteral("通过")},
                  {theme::kAccent, QStringLiteral("跟读平均分")}};
    double x = header.right();
    for (auto it = std::rbegin(legend); it != std::rend(legend); ++it) {
        const double w = metrics.horizontalAdvance(it->text);
        x -= w;
        p.setPen(theme::kMuted);
        p.drawText(QRectF(x, header.top(), w, line + 4), Qt::AlignVCenter, it->text);
        x -= line * 0.9;
        p.setPen(Qt::NoPen);
        p.setBrush(it->colour);
        p.drawRoundedRect(QRectF(x, header.top() + 2 + line * 0.25, line * 0.6, line * 0.6), 2, 2);
        x -= 10;
    }

    const QRectF plot = all.adjusted(30, line + 12, -30, -(line + 6));
    if (m_days.empty() || plot.width() <= 0 || plot.height() <= 0)
        return;
    int most = 1;
    for (const DayTotals& day : m_days)
        most = std::max(most, day.practised);
    // A round top for the count axis: 5, 10, 20, 50...
    int top = 5;
    for (int step = 0; top < most; ++step)
        top = step % 3 == 1 ? top * 5 / 2 : top * 2; // 5, 10, 25, 50, 100, 250...
    p.setPen(QPen(theme::kTrack, 1));
    for (int i = 0; i <= 4; ++i) {
        const double y = plot.bottom() - plot.height() * i / 4.0;
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    p.setPen(theme::kMuted);
    p.drawText(QRectF(all.left(), plot.top() - line / 2, 26, line),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(top));
    p.drawText(QRectF(all.left(), plot.bottom() - line / 2, 26, line),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    p.drawText(QRectF(plot.right() + 4, plot.top() - line / 2, 26, line),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("100"));

    const double slot = plot.width() / double(m_days.size());
    const double barWidth = std::max(1.0, slot * 0.64);
    QPainterPath voice;
    bool drawing = false;
    for (std::size_t i = 0; i < m_days.size(); ++i) {
        const DayTotals& day = m_days[i];
        const double left = plot.left() + slot * double(i) + (slot - barWidth) / 2;
        const double practised = plot.height() * day.practised / top;
        const double passed = plot.height() * day.passed / top;
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kTrack.darker(115));
        p.drawRoundedRect(QRectF(left, plot.bottom() - practised, barWidth, practised), 1.5, 1.5);
        p.setBrush(theme::kDone);
        p.drawRoundedRect(QRectF(left, plot.bottom() - passed, barWidth, passed), 1.5, 1.5);
        if (day.voiceAverage >= 0) {
            const QPointF point(left + barWidth / 2,
                                plot.bottom() - plot.height() * day.voiceAverage / 100.0);
            drawing ? voice.lineTo(point) : voice.moveTo(point);
            drawing = true;
            p.setBrush(theme::kAccent);
            p.drawEllipse(point, 2.2, 2.2);
        } else {
            drawing = false;
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(theme::kAccent, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(voice);

    p.setPen(theme::kMuted);
    const QString first = m_days.front().day.toString(QStringLiteral("M月d日"));
    const QString last = m_days.back().day.toString(QStringLiteral("M月d日"));
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width() / 2, line), Qt::AlignLeft,
               first);
    p.drawText(QRectF(plot.center().x(), plot.bottom() + 2, plot.width() / 2, line), Qt::AlignRight,
               last);
}

} // namespace kelvaro
