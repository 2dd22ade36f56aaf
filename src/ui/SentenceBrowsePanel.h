#pragma once

#include "ModePanel.h"

class QPlainTextEdit;
class QPushButton;

namespace kelvaro {

class ElementCanvas;
class ClickableLabel;

/// Sentence browse: the word labels, the Chinese line, the note, navigation and read-aloud.
class SentenceBrowsePanel : public ModePanel
{
    Q_OBJECT
public:
    SentenceBrowsePanel(const TwipScale& scale, MainController& controller,
                        QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Ends the note's editing (the box saves when it loses the focus).
    void leaveNote();

    ElementCanvas* m_canvas;
    ElementArray m_chinese; ///< SenChineseLabel as a one-element layer
    QPlainTextEdit* m_note;
    int m_noteSentence = 0; ///< the sentence whose note the box holds
    ClickableLabel* m_noneNote;
    QPushButton* m_first;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_play;
    ClickableLabel* m_checkImage;
    ClickableLabel* m_checkLabel;
    QLabel* m_count;
    ClickableLabel* m_settings; ///< SenModeSetImage
    QString m_checkPath[2];
};

} // namespace kelvaro
