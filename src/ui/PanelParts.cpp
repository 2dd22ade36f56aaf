#include "PanelParts.h"

#include "app/MainController.h"

#include "Theme.h"

#include <QCursor>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVariant>

#include <utility>

namespace kelvaro {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void connectCommand(QPushButton* button, MainController& controller)
{
    const std::optional<Command> command = commandOfButton(button->objectName());
    Q_ASSERT(command);
    if (command)
        QObject::connect(button, &QPushButton::clicked, &controller,
                         [&controller, id = *command] { controller.perform(id); });
}

QPushButton* makeCommand(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setProperty("class", QStringLiteral("Command"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel* makeLabel(const QString& objectName, const QString& styleClass, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setProperty("class", styleClass);
    return label;
}

void setFittingText(QLabel* label, const QString& text)
{
    constexpr double kSmallest = 6.0;
    constexpr double kStep = 0.5;
    static const char* const kBaseSize = "fittingBasePointSize";
    if (!label->property(kBaseSize).isValid()) {
        label->ensurePolished();
        label->setProperty(kBaseSize, label->font().pointSizeF());
    }
    const double base = label->property(kBaseSize).toDouble();
    QFont font = label->font();
    double size = base;
    for (;; size -= kStep) {
        font.setPointSizeF(size);
        if (size - kStep < kSmallest ||
            QFontMetrics(font).horizontalAdvance(text) <= label->contentsRect().width())
            break;
    }
    // The style sheet sets the class's size; only the label's own sheet can go below it.
    const QString sheet = size < base ? QStringLiteral("font-size: %1pt;").arg(size) : QString();
    if (label->styleSheet() != sheet)
        label->setStyleSheet(sheet);
    label->setText(text);
}

namespace {

QPixmap loadCheckPicture(const QString& path, bool checked, int size)
{
    QPixmap picture;
    if (QFileInfo::exists(path) && picture.load(path))
        return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture = QPixmap(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme::kAccent, 1.2));
    p.setBrush(checked ? theme::kAccent : QColor(Qt::white));
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 3, 3);
    if (checked) {
        p.setPen(QPen(Qt::white, 2));
        p.drawPolyline(
            QPolygonF({QPointF(size * 0.25, size * 0.52), QPointF(size * 0.43, size * 0.7),
                       QPointF(size * 0.76, size * 0.3)}));
    }
    return picture;
}

} // namespace

QPixmap checkPicture(const ProgramFolder& folder, bool checked, int size)
{
    static QHash<QString, QPixmap> loaded;
    const QString key = QStringLiteral("%1|%2|%3").arg(folder.root()).arg(checked).arg(size);
    auto found = loaded.find(key);
    if (found == loaded.end())
        found = loaded.insert(key, loadCheckPicture(folder.checkPicture(checked), checked, size));
    return found.value();
}

QPixmap settingsPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kMuted);
    for (int i = 0; i < 8; ++i) {
        p.drawRoundedRect(QRectF(-size * 0.09, -size * 0.48, size * 0.18, size * 0.22), 1.5, 1.5);
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), size * 0.33, size * 0.33);
    p.setBrush(theme::kPanel);
    p.drawEllipse(QPointF(0, 0), size * 0.14, size * 0.14);
    return picture;
}

void popupAtPointer(QMenu* menu)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(QCursor::pos());
}

ClickableLabel* makeSettingsButton(const QString& objectName, const QString& caption, int size,
                                   std::function<QMenu*()> buildMenu, QWidget* parent)
{
    auto* button = new ClickableLabel(parent);
    button->setObjectName(objectName);
    button->setPixmap(settingsPicture(size));
    button->setToolTip(caption);
    button->setCursor(Qt::PointingHandCursor);
    QObject::connect(button, &ClickableLabel::clicked, button,
                     [buildMenu] { popupAtPointer(buildMenu()); });
    return button;
}

ScrollColumn::ScrollColumn(const TwipScale& scale, QWidget* parent)
    : QWidget(parent), m_scale(scale)
{
}

void ScrollColumn::setThumb(int topTwips, int heightTwips)
{
    m_thumbTop = topTwips;
    m_thumbHeight = heightTwips;
    update();
}

void ScrollColumn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int button = m_scale.px(255);
    const QRectF track(width() / 2.0 - 3, button, 6, height() - 2 * button);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::kTrack);
    p.drawRoundedRect(track, 3, 3);
    p.setBrush(theme::kAccent);
    const QRectF thumb(width() / 2.0 - 4, m_scale.pxF(m_thumbTop), 8, m_scale.pxF(m_thumbHeight));
    p.drawRoundedRect(thumb, 4, 4);
    p.setBrush(theme::kMuted);
    const double cx = width() / 2.0;
    const double s = button * 0.28;
    p.drawPolygon(QPolygonF({QPointF(cx - s, button * 0.65), QPointF(cx + s, button * 0.65),
                             QPointF(cx, button * 0.3)}));
    const double b = height() - button;
    p.drawPolygon(QPolygonF({QPointF(cx - s, b + button * 0.35), QPointF(cx + s, b + button * 0.35),
                             QPointF(cx, b + button * 0.7)}));
}

ScrollColumn::Zone ScrollColumn::zoneAt(const QPointF& point) const
{
    if (!QRectF(rect()).contains(point))
        return Zone::None;
    const double y = point.y();
    const int button = m_scale.px(255);
    if (y < button || y < m_scale.pxF(m_thumbTop))
        return Zone::Up;
    if (y > height() - button || y > m_scale.pxF(m_thumbTop + m_thumbHeight))
        return Zone::Down;
    return Zone::None;
}

void ScrollColumn::mousePressEvent(QMouseEvent* event)
{
    const double y = event->position().y();
    m_pressed = zoneAt(event->position());
    m_grabbed = y >= m_scale.pxF(m_thumbTop) && y <= m_scale.pxF(m_thumbTop + m_thumbHeight);
    m_dragged = false;
    m_grabY = y;
    m_grabThumbTop = m_thumbTop;
}

void ScrollColumn::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_grabbed || !(event->buttons() & Qt::LeftButton))
        return;
    m_dragged = true;
    emit thumbDragged(m_grabThumbTop + m_scale.twips(event->position().y() - m_grabY));
}

void ScrollColumn::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dragged = m_dragged;
    m_grabbed = m_dragged = false;
    // Like a button: it scrolls only when released over the zone it was pressed on, and the
    // end of a drag is no click on the track.
    const Zone pressed = std::exchange(m_pressed, Zone::None);
    if (dragged)
        return;
    if (pressed == Zone::None || zoneAt(event->position()) != pressed)
        return;
    pressed == Zone::Up ? emit upClicked() : emit downClicked();
}

} // namespace kelvaro
