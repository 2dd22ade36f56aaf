#pragma once

#include "ModePanel.h"

class QPushButton;

namespace kelvaro {

class ElementCanvas;
class VoiceComparisonPicture;

/// Read-after: the sentence, the lesson's reading, the learner's recording and its playback.
class ReadAfterPanel : public ModePanel
{
    Q_OBJECT
public:
    ReadAfterPanel(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);
    void refresh(const MainState& state) override;
    void layoutChildren(const TwipRect& panel) override;

private:
    ElementCanvas* m_canvas;
    ElementArray m_chinese;
    QPushButton* m_first;
    QPushButton* m_back;
    QPushButton* m_next;
    QPushButton* m_software;
    QPushButton* m_record;
    QPushButton* m_stop;
    QPushButton* m_user;
    QLabel* m_hint;
    // The voice picture under the sentence and the score beside it.
    void placeVoicePicture();
    VoiceComparisonPicture* m_picture;
    QLabel* m_score;
    QLabel* m_scoreUnit;
    QLabel* m_advice;
    TwipRect m_panel;
    int m_sentenceBottom = 0; ///< of the Chinese line, in twips
    bool m_room = false;      ///< the panel is tall enough for the picture
};

} // namespace kelvaro
