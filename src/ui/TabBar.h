#pragma once

#include <QVector>
#include <QWidget>

namespace kelvaro {

/// The row of mode tabs; the current one carries the highlight.
class TabBar : public QWidget
{
    Q_OBJECT
public:
    explicit TabBar(QWidget* parent = nullptr);

    /// The tabs shown, left to right, and the current mode.
    void setTabs(const QVector<int>& modes, int current);
    /// Where tab mode stands (for tests and the highlight); empty when not shown.
    QRect tabRect(int mode) const;

signals:
    void tabClicked(int mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QVector<int> m_modes;
    int m_current = 1;
    int m_hover = -1;
};

} // namespace kelvaro
