#include "SentenceBrowsePanel.h"

#include "ElementCanvas.h"
#include "OptionMenus.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

#include <QCursor>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace kelvaro {

SentenceBrowsePanel::SentenceBrowsePanel(const TwipScale& scale, MainController& controller,
                                         QWidget* parent)
    : ModePanel(QStringLiteral("SenModePicture"), scale, controller, parent)
{
    m_canvas = new ElementCanvas(scale, this);
    m_canvas->setObjectName(QStringLiteral("SenWordCanvas"));
    m_canvas->setBackground(theme::kPanel);
    m_canvas->lower();
    m_title->raise();
    m_position->raise();

    // Clicking a word or the background ends the note's editing, which saves it.
    m_canvas->setFocusPolicy(Qt::ClickFocus);
    connect(m_canvas, &ElementCanvas::elementReleased, &controller,
            [&controller](int layer, int index, Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (layer == 0 && (button == Qt::LeftButton || button == Qt::RightButton))
                    controller.sentenceWordClicked(index);
            });
    connect(m_canvas, &ElementCanvas::backgroundClicked, &controller,
            &MainController::hideWordPopup);

    // The note is one field of the lesson file: Enter ends the editing rather than breaking
    // the line, and pasted line breaks become blanks when it is saved.
    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("SenNoteText"));
    m_note->setTabChangesFocus(true);
    // Only a click (or the placeholder) starts the editing, never a focus passed on by a panel.
    m_note->setFocusPolicy(Qt::ClickFocus);
    m_note->installEventFilter(this);
    m_noneNote = new ClickableLabel(QStringLiteral("[点此添加注释]"), this);
    m_noneNote->setObjectName(QStringLiteral("NoneNoteLabel"));
    m_noneNote->setAlignment(Qt::AlignCenter);
    m_noneNote->setCursor(Qt::IBeamCursor);
    connect(m_noneNote, &ClickableLabel::clicked, this, [this, &controller] {
        controller.notePlaceholderClicked();
        m_note->setFocus(Qt::MouseFocusReason);
    });

    m_first = makeCommand(QStringLiteral("SenBegainCommand"), QStringLiteral("首句"), this);
    m_back = makeCommand(QStringLiteral("SenBackCommand"), QStringLiteral("上一句"), this);
    m_next = makeCommand(QStringLiteral("SenNextCommand"), QStringLiteral("下一句"), this);
    m_play = makeCommand(QStringLiteral("SenPlayCommand"), QStringLiteral("朗读"), this);
    m_checkImage = new ClickableLabel(this);
    m_checkImage->setObjectName(QStringLiteral("SenChineseCheckImage"));
    m_checkImage->setCursor(Qt::PointingHandCursor);
    m_checkLabel = new ClickableLabel(QStringLiteral("中文"), this);
    m_checkLabel->setObjectName(QStringLiteral("SenShowChineseLabel"));
    m_checkLabel->setProperty("class", QStringLiteral("Caption"));
    m_checkLabel->setCursor(Qt::PointingHandCursor);
    m_count = makeLabel(QStringLiteral("SenCountLine"), QStringLiteral("Muted"), this);

    m_settings = makeSettingsButton(
        QStringLiteral("SenModeSetImage"), QStringLiteral("句子浏览设置"), m_scale.px(300),
        [this, &controller] {
            return buildOptionMenu(QStringLiteral("SenModeSet"), controller.state(), controller,
                                   this);
        },
        this);

    // The buttons take no focus: leaving the note first saves it under its own sentence.
    for (QPushButton* button : {m_first, m_back, m_next})
        connect(button, &QPushButton::pressed, this, &SentenceBrowsePanel::leaveNote);
    connectCommand(m_first, controller);
    connectCommand(m_back, controller);
    connectCommand(m_next, controller);
    connectCommand(m_play, controller);
    connect(m_checkImage, &ClickableLabel::clicked, &controller,
            &MainController::toggleSentenceChinese);
    connect(m_checkLabel, &ClickableLabel::clicked, &controller,
            &MainController::toggleSentenceChinese);
    m_chinese.resize(2);
}

void SentenceBrowsePanel::layoutChildren(const TwipRect& panel)
{
    m_canvas->setGeometry(1, 1, m_scale.px(panel.width) - 2, m_scale.px(panel.height) - 2);
    const int bottomRow = panel.height - 600;
    const int buttonWidth = 1110;
    int left = 450;
    for (QPushButton* button : {m_first, m_back, m_next, m_play}) {
        button->setGeometry(px({left, bottomRow, buttonWidth, 420}));
        left += buttonWidth + 120;
    }
    left += 240;
    m_checkImage->setGeometry(px({left, bottomRow + 90, 240, 240}));
    m_checkLabel->setGeometry(px({left + 300, bottomRow, 600, 420}));
    m_count->setGeometry(px({left + 1000, bottomRow, panel.width - left - 1300, 420}));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_settings->setGeometry(px({panel.width - 360 - 300, 600, 300, 300}));
}

void SentenceBrowsePanel::refresh(const MainState& state)
{
    placeTitle(state);
    const SentenceBrowseView& view = state.sentence;
    m_chinese[1] = view.SenChineseLabel;
    m_chinese[1].foreground = 0xFF4A5563;
    m_canvas->setLayers({
        {0, &view.SenWordLabel, LayerKind::Text, TextFont::SentenceWord, true},
        {1, &m_chinese, LayerKind::Text, TextFont::SentenceChinese, false},
    });

    const TwipRect& note = view.SenNoteText.geometry;
    m_note->setGeometry(px(note));
    // While the learner types, the box keeps the text: it is saved when the box loses the focus.
    if (!m_note->hasFocus()) {
        m_noteSentence = state.CurrentSentence;
        if (m_note->toPlainText() != view.SenNoteText.caption)
            m_note->setPlainText(view.SenNoteText.caption);
    }
    m_note->setVisible(view.SenNoteText.visible);
    m_noneNote->setGeometry(px({note.left, note.top, note.width, qMin(note.height, 480)}));
    m_noneNote->setVisible(view.NoneNotePictureVisible);

    refreshNavigation(state, m_first, m_back, m_next, m_play);
    const bool shown = state.senChineseShown();
    m_checkImage->setPixmap(checkPicture(state.folder, shown, m_scale.px(240)));
    m_count->setText(view.countCaption);
}

void SentenceBrowsePanel::leaveNote()
{
    if (m_note->hasFocus())
        m_note->clearFocus();
}

bool SentenceBrowsePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_note)
        return ModePanel::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            leaveNote();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A context menu of the box takes the focus only for a moment.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            m_controller.sentenceNoteLeft(m_noteSentence, m_note->toPlainText());
    }
    return ModePanel::eventFilter(watched, event);
}

} // namespace kelvaro
