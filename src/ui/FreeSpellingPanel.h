#pragma once

#include "SentencePanel.h"

class QLineEdit;

namespace kelvaro {

/// Free spelling (WriteModePicture): the English line or its mask, the Chinese line, the box
/// the learner types the sentence into, the hints and the navigation.
class FreeSpellingPanel : public SentencePanel
{
    Q_OBJECT
public:
    FreeSpellingPanel(const TwipScale& scale, MainController& controller,
                      QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    QWidget* focusReceiver(FocusTarget target) const override;

protected:
    void layoutControls(const TwipRect& panel, int rowEnd) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stackLines();

    TwipRect m_panel;
    ClickableLabel* m_english;      ///< WriteSenEnglishLabel
    ClickableLabel* m_chinese;      ///< WriteSenChineseLabel
    ClickableLabel* m_englishCheck; ///< EnglishCheckImage
    ClickableLabel* m_chineseCheck; ///< ChineseCheckImage
    ClickableLabel* m_englishCaption;
    ClickableLabel* m_chineseCaption;
    QLabel* m_spellCaption;
    QLineEdit* m_box; ///< WriteText
    int m_boxRevision = -1;
    QLabel* m_checkLabel;
    QLabel* m_help;
};

} // namespace kelvaro
