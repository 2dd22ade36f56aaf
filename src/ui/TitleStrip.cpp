#include "TitleStrip.h"

#include "Fonts.h"
#include "Theme.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace kelvaro {

TitleStrip::TitleStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FaceImage"));
    setMouseTracking(true);
}

void TitleStrip::setTitle(const QString& title)
{
    m_title = title;
    update();
}

void TitleStrip::setMaximised(bool maximised)
{
    m_maximised = maximised;
    update();
}

QRect TitleStrip::buttonRect(Button button) const
{
    const int size = height() - 12;
    const int right = width() - 8;
    switch (button) {
    case Close:
        return QRect(right - size, 6, size, size);
    case MaxRestore:
        return QRect(right - 2 * size - 4, 6, size, size);
    case Minimise:
        return QRect(right - 3 * size - 8, 6, size, size);
    case Mini:
        return QRect(right - 3 * size - 8 - 86, 8, 76, size - 4);
    default:
        return {};
    }
}

TitleStrip::Button TitleStrip::buttonAt(const QPoint& point) const
{
    for (Button b : {Mini, Minimise, MaxRestore, Close}) {
        if (buttonRect(b).contains(point))
            return b;
    }
    return None;
}

void TitleStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, theme::kFrameLight);
    gradient.setColorAt(1, theme::kFrame);
    p.fillRect(rect(), gradient);

    // The program's mark: a speech bubble with a play sign.
    const int mark = height() - 14;
    QRectF bubble(12, 7, mark, mark);
    p.setBrush(QColor(255, 255, 255, 235));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(bubble, 6, 6);
    QPainterPath play;
    play.moveTo(bubble.left() + mark * 0.38, bubble.top() + mark * 0.26);
    play.lineTo(bubble.left() + mark * 0.74, bubble.top() + mark * 0.5);
    play.lineTo(bubble.left() + mark * 0.38, bubble.top() + mark * 0.74);
    play.closeSubpath();
    p.setBrush(theme::kFrame);
    p.drawPath(play);

    p.setPen(theme::kTitleText);
    p.setFont(interfaceFont(11, true));
    p.drawText(QRect(int(bubble.right()) + 10, 0, width() / 2, height()),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Kelvaro Player"));
    if (!m_title.isEmpty()) {
        p.setFont(interfaceFont(10));
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(QRect(int(bubble.right()) + 150, 0, width() / 2, height()),
                   Qt::AlignVCenter | Qt::AlignLeft, m_title);
    }

    for (Button b : {Mini, Minimise, MaxRestore, Close}) {
        const QRectF r = buttonRect(b);
        const bool hot = (m_hover == b);
        if (hot) {
            p.setPen(Qt::NoPen);
            p.setBrush(b == Close ? QColor(0xd9, 0x4b, 0x4b) : QColor(255, 255, 255, 45));
            p.drawRoundedRect(r, 4, 4);
        }
        QPointF offset = (m_pressed == b) ? QPointF(1, 1) : QPointF(0, 0);
        p.setPen(QPen(theme::kTitleText, 1.6));
        p.setBrush(Qt::NoBrush);
        const QPointF c = r.center() + offset;
        const double s = r.height() * 0.22;
        switch (b) {
        case Mini:
            p.setFont(interfaceFont(9));
            p.drawText(r.translated(offset), Qt::AlignCenter, QStringLiteral("迷你模式"));
            break;
        case Minimise:
            p.drawLine(QPointF(c.x() - s, c.y() + s * 0.6), QPointF(c.x() + s, c.y() + s * 0.6));
            break;
        case MaxRestore:
            if (m_maximised) {
                p.drawRect(QRectF(c.x() - s, c.y() - s * 0.5, s * 1.5, s * 1.5));
                p.drawLine(QPointF(c.x() - s * 0.5, c.y() - s), QPointF(c.x() + s, c.y() - s));
                p.drawLine(QPointF(c.x() + s, c.y() - s), QPointF(c.x() + s, c.y() + s * 0.5));
            } else {
                p.drawRect(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s));
            }
            break;
        case Close:
            p.drawLine(QPointF(c.x() - s, c.y() - s), QPointF(c.x() + s, c.y() + s));
            p.drawLine(QPointF(c.x() + s, c.y() - s), QPointF(c.x() - s, c.y() + s));
            break;
        default:
            break;
        }
    }
}

void TitleStrip::mousePressEvent(QMouseEvent* event)
{
    m_pressed = buttonAt(event->position().toPoint());
    if (m_pressed == None)
        event->ignore(); // the window drags
    update();
}

void TitleStrip::mouseReleaseEvent(QMouseEvent* event)
{
    const Button pressed = m_pressed;
    m_pressed = None;
    update();
    if (pressed == None || buttonAt(event->position().toPoint()) != pressed) {
        event->ignore();
        return;
    }
    switch (pressed) {
    case Mini:
        emit miniModeRequested();
        break;
    case Minimise:
        emit minimiseRequested();
        break;
    case MaxRestore:
        m_maximised ? emit restoreRequested() : emit maximiseRequested();
        break;
    case Close:
        emit closeRequested();
        break;
    default:
        break;
    }
}

void TitleStrip::mouseMoveEvent(QMouseEvent* event)
{
    const Button hover = buttonAt(event->position().toPoint());
    if (hover != m_hover) {
        m_hover = hover;
        update();
    }
    event->ignore();
}

void TitleStrip::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (buttonAt(event->position().toPoint()) != None)
        return;
    m_maximised ? emit restoreRequested() : emit maximiseRequested();
}

void TitleStrip::leaveEvent(QEvent*)
{
    m_hover = None;
    update();
}

} // namespace kelvaro
