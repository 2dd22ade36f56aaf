#include "SentenceBrowsePanel.h"

#include "ElementCanvas.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>

namespace kelvaro {

SentenceBrowsePanel::SentenceBrowsePanel(const TwipScale& scale, MainController& controller,
                                         QWidget* parent)
    : SentencePanel(QStringLiteral("SenModePicture"), scale, controller, parent)
{
    addCanvas(QStringLiteral("SenWordCanvas"));
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

    const QList<QPushButton*> buttons =
        addBottomButtons({{QStringLiteral("SenBegainCommand"), QStringLiteral("首句"),
                           byCommandTable, EnabledWhen::Sentences},
                          {QStringLiteral("SenBackCommand"), QStringLiteral("上一句"),
                           byCommandTable, EnabledWhen::BackGroup},
                          {QStringLiteral("SenNextCommand"), QStringLiteral("下一句"),
                           byCommandTable, EnabledWhen::NextGroup},
                          {QStringLiteral("SenPlayCommand"), QStringLiteral("朗读"), byCommandTable,
                           EnabledWhen::Sentences}},
                         1110, 120);
    addChineseToggle(QStringLiteral("SenChineseCheckImage"), QStringLiteral("SenShowChineseLabel"),
                     QStringLiteral("中文"), call(&MainController::toggleSentenceChinese), 240);
    m_count = makeLabel(QStringLiteral("SenCountLine"), QStringLiteral("Muted"), this);
    addGear(QStringLiteral("SenModeSetImage"), QStringLiteral("句子浏览设置"),
            QStringLiteral("SenModeSet"));

    // The buttons take no focus: leaving the note first saves it under its own sentence.
    for (QPushButton* button : buttons.first(3))
        connect(button, &QPushButton::pressed, this, &SentenceBrowsePanel::leaveNote);
    m_chinese.resize(2);
}

void SentenceBrowsePanel::layoutControls(const TwipRect& panel, int rowEnd)
{
    m_count->setGeometry(px({rowEnd, panel.height - 600, panel.width - rowEnd - 300, 420}));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SentenceBrowsePanel::refresh(const MainState& state)
{
    placeTitle(state);
    const SentenceBrowseView& view = state.sentence;
    m_chinese[1] = view.SenChineseLabel;
    m_chinese[1].foreground = theme::kChineseTextRgb;
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

    refreshNavigation(state);
    refreshChineseToggle(state.folder, state.senChineseShown());
    // "本课共有12句，当前是第10句" fits the room beside the Chinese toggle in a smaller step.
    setFittingText(m_count, view.countCaption);
}

void SentenceBrowsePanel::leaveNote()
{
    if (m_note->hasFocus())
        m_note->clearFocus();
}

bool SentenceBrowsePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_note)
        return SentencePanel::eventFilter(watched, event);
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
    return SentencePanel::eventFilter(watched, event);
}

} // namespace kelvaro
