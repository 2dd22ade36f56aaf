#pragma once

#include "Twips.h"

#include "content/ProgramFolder.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>

class QMenu;

namespace kelvaro {

class MainController;

/// A label that reports clicks (check-box pictures and their captions).
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

/// A picture button with a caption, as the panels' commands are.
QPushButton* makeCommand(const QString& objectName, const QString& caption, QWidget* parent);

/// Wires a panel's command button to its command in the command table (by its object name).
void connectCommand(QPushButton* button, MainController& controller);

/// A label with a style class and an object name.
QLabel* makeLabel(const QString& objectName, const QString& styleClass, QWidget* parent);

/// Sets a one-line label's text in its style's font, or in the largest smaller step (half a
/// point, down to 6 pt) in which the whole text fits the label's width: nothing is elided.
void setFittingText(QLabel* label, const QString& text);

/// The check box picture of the content folder (Bitmap/check_0.jpg or check_1.jpg), drawn
/// by the program when the folder has none. Loaded once a run: the panels ask on every redraw.
QPixmap checkPicture(const ProgramFolder& folder, bool checked, int size);

/// The picture of a panel's settings button: a gear.
QPixmap settingsPicture(int size);

/// Opens a menu at the pointer; it deletes itself when it closes.
void popupAtPointer(QMenu* menu);

/// A panel's settings button: a gear that opens the menu buildMenu makes at the pointer.
ClickableLabel* makeSettingsButton(const QString& objectName, const QString& caption, int size,
                                   std::function<QMenu*()> buildMenu, QWidget* parent);

/// The scroll column of a text page: up button, track, thumb, down button.
class ScrollColumn : public QWidget
{
    Q_OBJECT
public:
    explicit ScrollColumn(const TwipScale& scale, QWidget* parent = nullptr);
    /// Thumb top and height in twips, relative to the column's top (the up button's top).
    void setThumb(int topTwips, int heightTwips);

signals:
    void upClicked();
    void downClicked();
    /// The thumb dragged: where its top would be, in twips, before any stop applies.
    void thumbDragged(int topTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Zone { None, Up, Down }; ///< the button or track above / below the thumb
    Zone zoneAt(const QPointF& point) const;

    const TwipScale& m_scale;
    Zone m_pressed = Zone::None;
    int m_thumbTop = 255;
    int m_thumbHeight = 600;
    // A drag of the thumb: the pointer and the thumb where the button went down.
    bool m_grabbed = false;
    bool m_dragged = false;
    double m_grabY = 0;
    int m_grabThumbTop = 0;
};

} // namespace kelvaro
