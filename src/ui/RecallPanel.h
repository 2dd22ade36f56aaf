#pragma once

#include "ModePanel.h"

class QPushButton;

namespace kelvaro {

class ClickableLabel;
class ElementCanvas;

/// The sentence recall panel (ClickWordModePicture): the sentence with its words covered, the
/// Chinese line, the navigation and "重置". Clicks, double clicks and hovers on the words go
/// to the controller, which runs the hint card.
class RecallPanel : public ModePanel
{
    Q_OBJECT
public:
    RecallPanel(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;

private:
    ElementCanvas* m_canvas;
    ElementArray m_chinese;
    QLabel* m_caption;
    QLabel* m_help;
    QPushButton* m_first;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_read;
    QPushButton* m_reset;
    ClickableLabel* m_settings;
};

} // namespace kelvaro
