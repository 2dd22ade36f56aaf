#pragma once

#include "Twips.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace kelvaro {

struct MainState;

/// The speed of the lesson's readings: "语速", slower, the speed, faster, and the slow speed
/// one click away. It stands in the row of the tabs above the library tree, the one free place
/// that every practice tab shares, so it is at hand in each mode that reads aloud and covers
/// nothing of the panels.
class SpeedControl : public QWidget
{
    Q_OBJECT
public:
    SpeedControl(const TwipScale& scale, QWidget* parent = nullptr);

    /// Draws the speed and takes its place for the window's layout.
    void refresh(const MainState& state);

signals:
    void slowerClicked();
    void fasterClicked();
    void slowClicked();

private:
    const TwipScale& m_scale;
    QLabel* m_caption;
    QToolButton* m_slower;
    QLabel* m_value;
    QToolButton* m_faster;
    QToolButton* m_slow;
};

} // namespace kelvaro
