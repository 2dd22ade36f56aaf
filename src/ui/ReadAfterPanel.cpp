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
    : ModePanel(QStringLiteral("VoiceModePicture"), scale, controller, parent)
{
    m_canvas = new ElementCanvas(scale, this);
    m_canvas->setBackground(theme::kPanel);
    m_canvas->lower();
    m_first = makeCommand(QStringLiteral("VoiceBegainCommand"), QStringLiteral("首句"), this);
    m_back = makeCommand(QStringLiteral("VoiceBackCommand1"), QStringLiteral("上一句"), this);
    m_next = makeCommand(QStringLiteral("VoiceNextCommand"), QStringLiteral("下一句"), this);
    m_software =
        makeCommand(QStringLiteral("SoftwareVoiceCommand"), QStringLiteral("标准读音"), this);
    m_record = makeCommand(QStringLiteral("RecordCommand"), QStringLiteral("录音"), this);
    m_stop = makeCommand(QStringLiteral("RecordStopCommand"), QStringLiteral("停止"), this);
    m_user = makeCommand(QStringLiteral("UserVoiceCommand"), QStringLiteral("您的读音"), this);
    m_hint = makeLabel(QStringLiteral("VoiceHintLabel"), QStringLiteral("Muted"), this);

    // The navigation buttons act only when sentence browse's own would.
    connectCommand(m_first, controller);
    connectCommand(m_back, controller);
    connectCommand(m_next, controller);
    connectCommand(m_software, controller);
    connectCommand(m_record, controller);
    connectCommand(m_stop, controller);
    connectCommand(m_user, controller);
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

void ReadAfterPanel::layoutChildren(const TwipRect& panel)
{
    m_canvas->setGeometry(1, 1, m_scale.px(panel.width) - 2, m_scale.px(panel.height) - 2);
    const int voiceRow = panel.height - 1500;
    int left = 450;
    for (QPushButton* button : {m_software, m_record, m_stop, m_user}) {
        button->setGeometry(px({left, voiceRow, 1400, 480}));
        left += 1520;
    }
    m_hint->setGeometry(px({450, voiceRow - 480, panel.width - 900, 400}));
    const int bottomRow = panel.height - 600;
    left = 450;
    for (QPushButton* button : {m_first, m_back, m_next}) {
        button->setGeometry(px({left, bottomRow, 1110, 420}));
        left += 1230;
    }
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
    m_chinese[1].foreground = 0xFF4A5563;
    m_canvas->setLayers({{0, &state.sentence.SenWordLabel, LayerKind::Text, TextFont::SentenceWord},
                         {1, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});
    refreshNavigation(state, m_first, m_back, m_next, m_software);
    const bool microphone = !state.readAfter.microphoneMissing;
    m_record->setEnabled(microphone);
    m_hint->setText(microphone ? QStringLiteral("先听标准读音，再录下自己的读音，对比一下。")
                               : microphoneMissingNotice());
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
