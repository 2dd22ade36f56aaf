#pragma once

#include "ModePanel.h"

class QLineEdit;
class QPushButton;

namespace kelvaro {

class ClickableLabel;

/// Free spelling (WriteModePicture): the English line or its mask, the Chinese line, the box
/// the learner types the sentence into, the hints and the navigation.
class FreeSpellingPanel : public ModePanel
{
    Q_OBJECT
public:
    FreeSpellingPanel(const TwipScale& scale, MainController& controller,
                      QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;
    QWidget* focusReceiver(FocusTarget target) const override;

protected:
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
    QPushButton* m_first;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_play;
    QPushButton* m_cueEnglish;
    QPushButton* m_cueChinese;
    ClickableLabel* m_settings; ///< PrintSetImage
    QLabel* m_help;
};

} // namespace kelvaro
