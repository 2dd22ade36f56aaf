#pragma once

#include "ModePanel.h"

class QPushButton;

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
    /// The page's keyboard receiver (Combo2 for the full text, Combo1 for the translation):
    /// off the page, it takes the keys that scroll it.
    QWidget* keyReceiver() const { return m_keyReceiver; }
    QWidget* focusReceiver(FocusTarget target) const override;

private:
    const ScrollView& scroll(const MainState& state) const;
    void connectFullText(MainController& controller);
    void connectTranslation(MainController& controller);
    void refreshFullText(const MainState& state, int row);
    void refreshTranslation(const MainState& state, int row);

    Page m_page;
    QFrame* m_frame;
    ElementCanvas* m_canvas;
    ScrollColumn* m_scrollColumn;
    QWidget* m_keyReceiver;
    // The full text's toolbar
    CheckToggle m_chineseToggle;
    QLabel* m_tip = nullptr;
    ClickableLabel* m_settings = nullptr;
    QPushButton* m_allRead = nullptr;
    QPushButton* m_pauseRead = nullptr;
    // The translation's toolbar
    QLabel* m_hint = nullptr;
    QPushButton* m_option = nullptr;
    QPushButton* m_reset = nullptr;
};

} // namespace kelvaro
