#pragma once

#include "ModePanel.h"

class QLineEdit;
class QPushButton;

namespace kelvaro {

class ClickableLabel;
class ElementCanvas;

/// The word fill-in panel (CurrentWordModePicture): the sentence with one key word as a blank and
/// its box, the hint texts, the message bubble, the progress and the key-word buttons.
class FillInPanel : public ModePanel
{
    Q_OBJECT
public:
    FillInPanel(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;
    /// The blank's box (CurrentWordWriteText).
    QLineEdit* box() const { return m_box; }
    QWidget* focusReceiver(FocusTarget target) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ElementCanvas* m_canvas;
    ElementArray m_latinHints;  ///< the word and the transcription
    ElementArray m_chineseHint; ///< the meaning
    QLineEdit* m_box;
    QLabel* m_bubble;
    QLabel* m_help;
    QPushButton* m_first;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_readWord;
    QPushButton* m_readSentence;
    QPushButton* m_fill;
    ClickableLabel* m_settings;
    int m_selectRequests = 0;
};

} // namespace kelvaro
