#pragma once

#include "SentencePanel.h"

class QLineEdit;

namespace kelvaro {

/// The word fill-in panel (CurrentWordModePicture): the sentence with one key word as a blank and
/// its box, the hint texts, the message bubble, the progress and the key-word buttons.
class FillInPanel : public SentencePanel
{
    Q_OBJECT
public:
    FillInPanel(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    QWidget* focusReceiver(FocusTarget target) const override;
    /// The blank's box (CurrentWordWriteText).

protected:
    void layoutControls(const TwipRect& panel, int rowEnd) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ElementArray m_latinHints;  ///< the word and the transcription
    ElementArray m_chineseHint; ///< the meaning
    QLineEdit* m_box;
    QLabel* m_bubble;
    QLabel* m_help;
    /// first, back, next key word; read the word, the sentence; fill in
    QList<QPushButton*> m_buttons;
    int m_selectRequests = 0;
};

} // namespace kelvaro
