#pragma once

#include "Twips.h"

#include "modes/ViewElement.h"
#include "ports/TextMeasurer.h"

#include <QWidget>

#include <functional>

namespace kelvaro {

/// How a layer of elements is drawn.
enum class LayerKind { Text, Line, Speaker, Cover };

/// One element array drawn by a canvas.
struct CanvasLayer
{
    int id = 0; ///< reported with clicks
    const ElementArray* elements = nullptr;
    LayerKind kind = LayerKind::Text;
    TextFont font = TextFont::SentenceWord;
    bool clickable = false;
    Rgb lineColour = 0xFF2F7FB5;
};

/// Draws element arrays and turns mouse input into element clicks. It holds no rule: the
/// window tells it what to draw and acts on what it reports.
class ElementCanvas : public QWidget
{
    Q_OBJECT
public:
    ElementCanvas(const TwipScale& scale, QWidget* parent = nullptr);

    void setLayers(QVector<CanvasLayer> layers);
    /// The page's offset inside the canvas, in twips (scroll views: left 0, top <= 0).
    void setOffset(int leftTwips, int topTwips);
    void setBackground(const QColor& colour)
    {
        m_background = colour;
        update();
    }

signals:
    void elementPressed(int layer, int index, Qt::MouseButton button);
    /// The pointer moved over the canvas.
    void pointerMoved();
    /// The pointer moved over a clickable element.
    void elementHovered(int layer, int index);
    void elementReleased(int layer, int index, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers);
    void elementDoubleClicked(int layer, int index);
    void backgroundClicked();
    void wheelScrolled(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    /// The clickable element under a point, as (layer id, index); (-1, -1) when none.
    std::pair<int, int> hit(const QPoint& point) const;

    const TwipScale& m_scale;
    QVector<CanvasLayer> m_layers;
    int m_offsetLeft = 0;
    int m_offsetTop = 0;
    QColor m_background = Qt::white;
};

} // namespace kelvaro
