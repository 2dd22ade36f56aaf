#pragma once

#include "ModePanel.h"

class QPushButton;

namespace kelvaro {

class ElementCanvas;

/// A panel that practises the current sentence with its own copy of it (free spelling,
/// dictation test): the copy, the Chinese line and navigation.
class SentenceCopyPanel : public ModePanel
{
    Q_OBJECT
public:
    SentenceCopyPanel(int mode, const TwipScale& scale, MainController& controller,
                      QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;

private:
    int m_mode;
    ElementCanvas* m_canvas;
    ElementArray m_lines; ///< the sentence as whole lines (read-after, free spelling)
    ElementArray m_chinese;
    QPushButton* m_back;
    QPushButton* m_next;
};

} // namespace kelvaro
