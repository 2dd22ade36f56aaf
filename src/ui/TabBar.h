#pragma once

#include "modes/Mode.h"

#include <QVector>
#include <QWidget>

#include <optional>

namespace kelvaro {

/// The row of mode tabs; the current one carries the highlight.
class TabBar : public QWidget
{
    Q_OBJECT
public:
    explicit TabBar(QWidget* parent = nullptr);

    /// The tabs shown, left to right, and the current mode.
    void setTabs(const QVector<Mode>& modes, Mode current);
    /// Whether the current mode's tab carries the highlight (not while the review page shows).
    void setHighlight(bool highlight);
    /// Where mode's tab stands (for tests and the highlight); empty when not shown.
    QRect tabRect(Mode mode) const;

signals:
    void tabClicked(kelvaro::Mode mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QVector<Mode> m_modes;
    Mode m_current = Mode::FullText;
    bool m_highlight = true;
    std::optional<Mode> m_hover;
};

} // namespace kelvaro
