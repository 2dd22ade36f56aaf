#pragma once

#include "ModePanel.h"

namespace kelvaro {

class ElementCanvas;
class ScrollColumn;
class ClickableLabel;

/// A page of the whole lesson in a scrolling viewport: the full text (mode 1) or the
/// translation lines (mode 3).
class TextPagePanel : public ModePanel
{
    Q_OBJECT
public:
    enum class Page { FullText, Translation };
    TextPagePanel(Page page, const TwipScale& scale, MainController& controller,
                  QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;
    ElementCanvas* canvas() const { return m_canvas; }

private:
    const ScrollView& scroll(const MainState& state) const;

    Page m_page;
    QFrame* m_frame;
    ElementCanvas* m_canvas;
    ScrollColumn* m_scrollColumn;
    ClickableLabel* m_checkImage = nullptr;
    ClickableLabel* m_checkLabel = nullptr;
    QLabel* m_tip = nullptr;
};

} // namespace kelvaro
