#include "ReviewTab.h"

#include "Fonts.h"
#include "Theme.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvaro {

ReviewTab::ReviewTab(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ReviewTab"));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ReviewTab::setState(bool current, int due)
{
    if (current == m_current && due == m_due)
        return;
    m_current = current;
    m_due = due;
    update();
}

void ReviewTab::paintEvent(QPaintEvent*)
{
    // The mode tabs' look (TabBar), so the row reads as one.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 3.5, -0.5, 0.5);
    p.setPen(QPen(m_current ? theme::kBorder : QColor(0, 0, 0, 0), 1));
    p.setBrush(m_current ? theme::kPanel
                         : (m_hover ? theme::kAccentSoft : QColor(0xdd, 0xe4, 0xeb)));
    p.drawRoundedRect(r.adjusted(0, 0, 0, 8), 7, 7);
    if (m_current) {
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kAccent);
        p.drawRoundedRect(QRectF(r.left() + 10, r.top() + 1, r.width() - 20, 3), 1.5, 1.5);
    }
    QRectF text = r;
    if (m_due > 0) {
        // The due count as a small badge at the right end.
        const QString count = m_due > 99 ? QStringLiteral("99+") : QString::number(m_due);
        p.setFont(interfaceFont(7, true));
        const double h = r.height() * 0.5;
        const double w = std::max(h, QFontMetricsF(p.font()).horizontalAdvance(count) + 6);
        const QRectF badge(r.right() - w - 4, r.center().y() - h / 2, w, h);
        p.setPen(Qt::NoPen);
        p.setBrush(theme::kWrongLetter);
        p.drawRoundedRect(badge, h / 2, h / 2);
        p.setPen(Qt::white);
        p.drawText(badge, Qt::AlignCenter, count);
        text.setRight(badge.left());
    }
    p.setPen(m_current ? theme::kFrame : theme::kMuted);
    p.setFont(interfaceFont(10, m_current));
    p.drawText(text, Qt::AlignCenter, QStringLiteral("今日复习"));
}

void ReviewTab::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ReviewTab::enterEvent(QEnterEvent*)
{
    m_hover = true;
    update();
}

void ReviewTab::leaveEvent(QEvent*)
{
    m_hover = false;
    update();
}

} // namespace kelvaro
