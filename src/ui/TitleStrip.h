#pragma once

#include "Twips.h"

#include <QWidget>

namespace kelvaro {

/// The window's own title strip: the title, the mini-mode link and the minimise,
/// maximise/restore and close buttons. Double click maximises or restores.
class TitleStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TitleStrip(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setMaximised(bool maximised);

signals:
    void miniModeRequested();
    void minimiseRequested();
    void maximiseRequested();
    void restoreRequested();
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum Button { None = -1, Mini, Minimise, MaxRestore, Close };
    QRect buttonRect(Button button) const;
    Button buttonAt(const QPoint& point) const;

    QString m_title;
    bool m_maximised = false;
    Button m_hover = None;
    Button m_pressed = None;
};

} // namespace kelvaro
