#pragma once

#include "SentencePanel.h"

class QPlainTextEdit;

namespace kelvaro {

/// Sentence browse: the word labels, the Chinese line, the note, navigation and read-aloud.
class SentenceBrowsePanel : public SentencePanel
{
    Q_OBJECT
public:
    SentenceBrowsePanel(const TwipScale& scale, MainController& controller,
                        QWidget* parent = nullptr);
    void refresh(const MainState& state) override;

protected:
    void layoutControls(const TwipRect& panel, int rowEnd) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Ends the note's editing (the box saves when it loses the focus).
    void leaveNote();

    ElementArray m_chinese; ///< SenChineseLabel as a one-element layer
    QPlainTextEdit* m_note;
    int m_noteSentence = 0; ///< the sentence whose note the box holds
    ClickableLabel* m_noneNote;
    QLabel* m_count;
};

} // namespace kelvaro
