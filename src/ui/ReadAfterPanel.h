#pragma once

#include "SentencePanel.h"

namespace kelvaro {

class VoiceComparisonPicture;

/// Read-after: the sentence, the lesson's reading, the learner's recording and its playback.
class ReadAfterPanel : public SentencePanel
{
    Q_OBJECT
public:
    ReadAfterPanel(const TwipScale& scale, MainController& controller, QWidget* parent = nullptr);
    void refresh(const MainState& state) override;

protected:
    void layoutControls(const TwipRect& panel, int rowEnd) override;

private:
    ElementArray m_chinese;
    ButtonGroup m_voiceRow; ///< the lesson's reading, record, stop, the learner's reading
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
