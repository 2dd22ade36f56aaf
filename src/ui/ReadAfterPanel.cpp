#include "ReadAfterPanel.h"

#include "ElementCanvas.h"
#include "PanelParts.h"
#include "Theme.h"
#include "VoiceComparisonPicture.h"

#include "app/MainController.h"
#include "modes/ReadAfter.h"

#include <QStyle>

namespace kelvaro {

ReadAfterPanel::ReadAfterPanel(const TwipScale& scale, MainController& controller, QWidget* parent)
    : SentencePanel(QStringLiteral("VoiceModePicture"), scale, controller, parent)
{
    addCanvas();
    // The navigation buttons act only when sentence browse's own would.
    addBottomButtons({{QStringLiteral("VoiceBegainCommand"), QStringLiteral("首句"), byCommandTable,
                       EnabledWhen::Sentences},
                      {QStringLiteral("VoiceBackCommand1"), QStringLiteral("上一句"),
                       byCommandTable, EnabledWhen::BackGroup},
                      {QStringLiteral("VoiceNextCommand"), QStringLiteral("下一句"), byCommandTable,
                       EnabledWhen::NextGroup}},
                     1110, 120);
    m_voiceRow = addButtons(
        {{QStringLiteral("SoftwareVoiceCommand"), QStringLiteral("标准读音"), byCommandTable,
          EnabledWhen::Sentences},
         {QStringLiteral("RecordCommand"), QStringLiteral("录音"), byCommandTable},
         {QStringLiteral("RecordStopCommand"), QStringLiteral("停止"), byCommandTable},
         {QStringLiteral("UserVoiceCommand"), QStringLiteral("您的读音"), byCommandTable}},
        1400, 120, 480);
    m_record = m_voiceRow.buttons[1];
    m_stop = m_voiceRow.buttons[2];
    m_user = m_voiceRow.buttons[3];
    m_hint = makeLabel(QStringLiteral("VoiceHintLabel"), QStringLiteral("Muted"), this);
    m_chinese.resize(2);

    // The voice picture: a click plays the reading under it from that point.
    m_picture = new VoiceComparisonPicture(this);
    m_score = makeLabel(QStringLiteral("VoiceScoreLabel"), QString(), this);
    m_score->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    m_scoreUnit = makeLabel(QStringLiteral("VoiceScoreUnitLabel"), QStringLiteral("Muted"), this);
    m_scoreUnit->setText(QStringLiteral("分"));
    m_scoreUnit->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_advice = makeLabel(QStringLiteral("VoiceAdviceLabel"), QStringLiteral("Caption"), this);
    m_advice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_advice->setWordWrap(true);
    connect(m_picture, &VoiceComparisonPicture::lessonClicked, &controller,
            &MainController::voiceLessonClicked);
    connect(m_picture, &VoiceComparisonPicture::takeClicked, &controller,
            &MainController::voiceTakeClicked);
}

void ReadAfterPanel::layoutControls(const TwipRect& panel, int)
{
    const int voiceRow = panel.height - 1500;
    placeGroup(m_voiceRow, 450, voiceRow);
    m_hint->setGeometry(px({450, voiceRow - 480, panel.width - 900, 400}));
    m_panel = panel;
    placeVoicePicture();
}

void ReadAfterPanel::placeVoicePicture()
{
    constexpr int kScoreColumn = 2000;
    constexpr int kLeastHeight = 1200; // below this the contours say nothing: no picture
    const int top = m_sentenceBottom + 200;
    const int bottom = m_panel.height - 1500 - 480 - 120; // the hint's top - 120
    const TwipRect picture{450, top, m_panel.width - 900 - kScoreColumn, bottom - top};
    m_room = picture.height >= kLeastHeight && picture.width > 0;
    for (QWidget* part : {static_cast<QWidget*>(m_picture), static_cast<QWidget*>(m_score),
                          static_cast<QWidget*>(m_advice)})
        part->setVisible(m_room);
    m_scoreUnit->setVisible(m_room && m_picture->picture().comparison);
    if (!m_room)
        return;
    m_picture->setGeometry(px(picture));
    const int column = picture.right() + 200;
    m_score->setGeometry(px({column, top, 1150, 760}));
    m_scoreUnit->setGeometry(px({column + 1190, top, 600, 700}));
    m_advice->setGeometry(px({column, top + 860, kScoreColumn - 200, bottom - top - 860}));
}

void ReadAfterPanel::refresh(const MainState& state)
{
    placeTitle(state);
    // The sentence as sentence browse lays it out, key words in their colour, Chinese under it.
    m_chinese[1] = state.sentence.SenChineseLabel;
    m_chinese[1].visible = true;
    m_chinese[1].foreground = theme::kChineseTextRgb;
    m_canvas->setLayers({{0, &state.sentence.SenWordLabel, LayerKind::Text, TextFont::SentenceWord},
                         {1, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});
    refreshNavigation(state);
    const bool microphone = !state.readAfter.microphoneMissing;
    m_record->setEnabled(microphone);
    m_hint->setText(readAfterHint(state));
    m_stop->setEnabled(state.readAfter.RecordStopCommandEnabled);
    m_user->setEnabled(state.readAfter.UserVoiceCommandEnabled);

    // The voice picture and the score; a cursor's move only redraws the picture.
    const VoiceComparison* comparison = state.readAfter.comparison.get();
    m_score->setText(comparison ? QString::number(comparison->score) : QStringLiteral("—"));
    if (m_score->property("empty").toBool() != !comparison) {
        m_score->setProperty("empty", !comparison); // the dash before a take is quiet
        m_score->style()->polish(m_score);
    }
    m_advice->setText(comparison ? voiceAdviceText(comparison->advice) : QString());
    m_picture->setReadings(state.readAfter.lessonVoice, state.readAfter.comparison);
    m_picture->setCursors(state.readAfter.lessonCursor, state.readAfter.takeCursor);
    m_scoreUnit->setVisible(m_room && comparison);
    const int sentenceBottom = m_chinese[1].geometry.bottom();
    if (sentenceBottom != m_sentenceBottom) {
        m_sentenceBottom = sentenceBottom;
        placeVoicePicture();
    }
}

} // namespace kelvaro
