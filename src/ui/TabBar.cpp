#include "TabBar.h"

#include "Fonts.h"
#include "Theme.h"

#include "app/ModeTable.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvaro {

TabBar::TabBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabImage"));
    setMouseTracking(true);
    // A double click on a tab is two tab clicks, never the window's maximise.
    setAttribute(Qt::WA_NoMousePropagation);
}

void TabBar::setTabs(const QVector<Mode>& modes, Mode current)
{
    m_modes = modes;
    m_current = current;
    update();
}

void TabBar::setHighlight(bool highlight)
{
    if (highlight == m_highlight)
        return;
    m_highlight = highlight;
    update();
}

QRect TabBar::tabRect(Mode mode) const
{
    const int index = int(m_modes.indexOf(mode));
    if (index < 0)
        return {};
    const int gap = 4;
    const int width =
        qMin(96, (this->width() - gap * int(m_modes.size())) / qMax(1, int(m_modes.size())));
    return QRect(index * (width + gap), 0, width, height());
}

void TabBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(interfaceFont(10));
    for (Mode mode : m_modes) {
        const QRectF r = QRectF(tabRect(mode)).adjusted(0.5, 3.5, -0.5, 0.5);
        const bool current = (mode == m_current) && m_highlight;
        p.setPen(QPen(current ? theme::kBorder : QColor(0, 0, 0, 0), 1));
        p.setBrush(current ? theme::kPanel
                           : (mode == m_hover ? theme::kAccentSoft : QColor(0xdd, 0xe4, 0xeb)));
        p.drawRoundedRect(r.adjusted(0, 0, 0, 8), 7, 7);
        if (current) {
            p.setPen(Qt::NoPen);
            p.setBrush(theme::kAccent);
            p.drawRoundedRect(QRectF(r.left() + 10, r.top() + 1, r.width() - 20, 3), 1.5, 1.5);
        }
        p.setPen(current ? theme::kFrame : theme::kMuted);
        QFont font = interfaceFont(10, current);
        p.setFont(font);
        p.drawText(r, Qt::AlignCenter, tabCaption(mode));
    }
}

void TabBar::mouseReleaseEvent(QMouseEvent* event)
{
    for (Mode mode : m_modes) {
        if (tabRect(mode).contains(event->position().toPoint())) {
            emit tabClicked(mode);
            return;
        }
    }
}

void TabBar::mouseMoveEvent(QMouseEvent* event)
{
    std::optional<Mode> hover;
    for (Mode mode : m_modes) {
        if (tabRect(mode).contains(event->position().toPoint()))
            hover = mode;
    }
    if (hover != m_hover) {
        m_hover = hover;
        setCursor(hover ? Qt::PointingHandCursor : Qt::ArrowCursor);
        update();
    }
}

void TabBar::leaveEvent(QEvent*)
{
    m_hover.reset();
    update();
}

} // namespace kelvaro
