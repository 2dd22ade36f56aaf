#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace kelvaro {

class MiniModeController;

/// The compact player: a small frameless window that stays on top, with the lesson title, the
/// current sentence, previous / play / next, the repeat count and the way back. It hides the
/// full window while it shows and puts it back where it was. Keys: Space plays or pauses, the
/// arrows go back and on, Esc returns to the full window.
class MiniWindow : public QWidget
{
    Q_OBJECT
public:
    MiniWindow(MiniModeController& controller, QWidget& fullWindow);

    /// Draws the controller's view again (nothing while hidden).
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void takeOver();
    void giveBack();

    MiniModeController& m_controller;
    QWidget& m_fullWindow;
    QRect m_fullGeometry;   ///< where the full window stood when it was hidden
    QPoint m_place{-1, -1}; ///< where the learner left this window; none at first
    QLabel* m_title;
    QLabel* m_english;
    QLabel* m_chinese;
    QLabel* m_position;
    QLabel* m_readings;
    QComboBox* m_count;
    QPushButton* m_previous;
    QPushButton* m_play;
    QPushButton* m_next;
    QPushButton* m_chineseButton;
    QPushButton* m_back;
    QPoint m_pressPoint;
    bool m_dragging = false;
};

} // namespace kelvaro
