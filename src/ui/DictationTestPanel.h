#pragma once

#include "SentencePanel.h"

class QLineEdit;
class QProgressBar;

namespace kelvaro {

/// The dictation test (WriteWordModePicture): the word slots with the box laid over the
/// current one, the score and its counters, the lesson's progress and the buttons.
class DictationTestPanel : public SentencePanel
{
    Q_OBJECT
public:
    DictationTestPanel(const TwipScale& scale, MainController& controller,
                       QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    QWidget* focusReceiver(FocusTarget target) const override;

protected:
    void layoutControls(const TwipRect& panel, int rowEnd) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeBox(const MainState& state);

    ElementArray m_chinese; ///< WriteWordChineseLabel as a one-element layer
    ElementArray m_lines;   ///< WriteWordLine as drawn
    QLineEdit* m_box;       ///< WriteWordText
    int m_boxRevision = -1;
    QLabel* m_counts[4]; ///< wrong words, progressive hints, direct hints, score
    QLabel* m_countCaptions[4];
    QLabel* m_done; ///< WriteDoneCuePicture
    QLabel* m_progressCaption;
    QProgressBar* m_progress;
    ClickableLabel* m_resultsIcon;   ///< Image1: opens the results view
    QPushButton* m_progressiveHint;  ///< Command2
    QPushButton* m_directHint;       ///< Command3
    ClickableLabel* m_settingsLabel; ///< WriteSetLabel
    QLabel* m_help;
};

} // namespace kelvaro
