#include "ElementCanvas.h"

#include "Fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace kelvaro {

ElementCanvas::ElementCanvas(const TwipScale& scale, QWidget* parent)
    : QWidget(parent), m_scale(scale)
{
    setMouseTracking(true);
}

void ElementCanvas::setLayers(QVector<CanvasLayer> layers)
{
    m_layers = std::move(layers);
    update();
}

void ElementCanvas::setOffset(int leftTwips, int topTwips)
{
    m_offsetLeft = leftTwips;
    m_offsetTop = topTwips;
    update();
}

namespace {

void drawSpeaker(QPainter& painter, const QRectF& box, const QColor& colour)
{
    const double s = qMin(box.width(), box.height());
    const QPointF o = box.topLeft();
    QPainterPath body;
    body.moveTo(o + QPointF(0.10 * s, 0.36 * s));
    body.lineTo(o + QPointF(0.32 * s, 0.36 * s));
    body.lineTo(o + QPointF(0.58 * s, 0.12 * s));
    body.lineTo(o + QPointF(0.58 * s, 0.88 * s));
    body.lineTo(o + QPointF(0.32 * s, 0.64 * s));
    body.lineTo(o + QPointF(0.10 * s, 0.64 * s));
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(body);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, qMax(1.0, s / 12)));
    painter.drawArc(QRectF(o + QPointF(0.42 * s, 0.28 * s), QSizeF(0.36 * s, 0.44 * s)), -60 * 16,
                    120 * 16);
}

} // namespace

void ElementCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), m_background);
    const QRectF visibleArea = QRectF(event->rect()).adjusted(-2, -2, 2, 2);
    for (const CanvasLayer& layer : m_layers) {
        if (!layer.elements)
            continue;
        if (layer.kind == LayerKind::Text)
            painter.setFont(fontFor(layer.font));
        const ElementArray& elements = *layer.elements;
        for (int i = 1; i < elements.size(); ++i) {
            const ViewElement& e = elements[i];
            if (!e.visible)
                continue;
            TwipRect g = e.geometry;
            g.left += m_offsetLeft;
            g.top += m_offsetTop;
            const QRectF box = m_scale.rectF(g);
            if (!box.intersects(visibleArea) &&
                !(layer.kind == LayerKind::Line && box.height() < 1))
                continue;
            switch (layer.kind) {
            case LayerKind::Text:
                if (e.opaque)
                    painter.fillRect(box, toQColor(e.background));
                painter.setPen(toQColor(e.foreground));
                if (e.wraps)
                    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                     e.caption);
                else
                    painter.drawText(box.adjusted(0, 0, 200, 0), Qt::AlignLeft | Qt::AlignVCenter,
                                     e.caption);
                break;
            case LayerKind::Line:
                painter.fillRect(
                    QRectF(box.left(), box.top(), box.width(), qMax(1.5, box.height())),
                    toQColor(layer.lineColour));
                break;
            case LayerKind::Speaker:
                drawSpeaker(painter, box, QColor(0x2f, 0x7f, 0xb5));
                break;
            case LayerKind::Cover:
                if (e.opaque)
                    painter.fillRect(box, toQColor(e.background));
                break;
            }
        }
    }
}

std::pair<int, int> ElementCanvas::hit(const QPoint& point) const
{
    const int x = m_scale.twips(point.x()) - m_offsetLeft;
    const int y = m_scale.twips(point.y()) - m_offsetTop;
    for (auto layer = m_layers.crbegin(); layer != m_layers.crend(); ++layer) {
        if (!layer->clickable || !layer->elements)
            continue;
        const ElementArray& elements = *layer->elements;
        for (int i = 1; i < elements.size(); ++i) {
            if (elements[i].visible && elements[i].geometry.contains(x, y))
                return {layer->id, i};
        }
    }
    return {-1, -1};
}

bool ElementCanvas::isButtonLayer(int layer) const
{
    for (const CanvasLayer& l : m_layers) {
        if (l.id == layer)
            return l.kind == LayerKind::Speaker;
    }
    return false;
}

void ElementCanvas::mousePressEvent(QMouseEvent* event)
{
    const auto [layer, index] = hit(event->position().toPoint());
    m_pressed = {layer, index};
    if (layer >= 0)
        emit elementPressed(layer, index, event->button());
}

void ElementCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const std::pair<int, int> pressed = std::exchange(m_pressed, {-1, -1});
    const auto [layer, index] = hit(event->position().toPoint());
    // A speaker icon acts like a button: its press and its release belong to one icon.
    // Released elsewhere, the pressed icon only returns to rest; a release over an icon that
    // was not pressed does nothing.
    if ((isButtonLayer(pressed.first) || isButtonLayer(layer)) &&
        pressed != std::pair<int, int>(layer, index)) {
        if (isButtonLayer(pressed.first))
            emit pressCancelled(pressed.first, pressed.second);
        return;
    }
    if (layer < 0)
        emit backgroundClicked();
    else
        emit elementReleased(layer, index, event->button(), event->modifiers());
}

void ElementCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    const auto [layer, index] = hit(event->position().toPoint());
    if (layer >= 0)
        emit elementDoubleClicked(layer, index);
}

void ElementCanvas::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    const auto [layer, index] = hit(event->position().toPoint());
    bool hand = false;
    if (layer >= 0) {
        for (const CanvasLayer& l : m_layers) {
            if (l.id == layer)
                hand = (*l.elements)[index].cursor == ElementCursor::Hand;
        }
    }
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    // Last: the handler may draw the window again, which gives the canvas new layers.
    if (layer >= 0)
        emit elementHovered(layer, index);
}

void ElementCanvas::wheelEvent(QWheelEvent* event)
{
    const int steps = -event->angleDelta().y() / 120;
    if (steps != 0)
        emit wheelScrolled(steps);
    event->accept();
}

} // namespace kelvaro
