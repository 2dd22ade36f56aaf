#pragma once

#include "SentencePanel.h"

namespace kelvaro {

/// The sentence recall panel (ClickWordModePicture): the sentence with its words covered, the
/// Chinese line, the navigation and "重置". Clicks, double clicks and hovers on the words go
/// to the controller, which runs the hint card.
class RecallPanel : public SentencePanel
{
    Q_OBJECT
public:
    RecallPanel(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);
    void refresh(const MainState& state) override;

protected:
    void layoutControls(const TwipRect& panel, int rowEnd) override;

private:
    ElementArray m_chinese;
    QLabel* m_caption;
    QLabel* m_help;
};

} // namespace kelvaro
