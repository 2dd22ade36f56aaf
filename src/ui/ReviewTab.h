#pragma once

#include <QWidget>

namespace kelvaro {

/// The "今日复习" tab: drawn like the mode tabs, it stands in the tab row apart from them (so
/// they keep their places) and opens the review page.
class ReviewTab : public QWidget
{
    Q_OBJECT
public:
    explicit ReviewTab(QWidget* parent = nullptr);

    /// Whether the review page is shown (the tab carries the highlight), and how many
    /// sentences are due (a small count on the tab; 0 shows none).
    void setState(bool current, int due);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_current = false;
    bool m_hover = false;
    int m_due = 0;
};

} // namespace kelvaro
