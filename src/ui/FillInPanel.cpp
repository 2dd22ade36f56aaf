#include "FillInPanel.h"

#include "ElementCanvas.h"
#include "Fonts.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kelvaro {

FillInPanel::FillInPanel(const TwipScale& scale, MainController& controller, QWidget* parent)
    : SentencePanel(QStringLiteral("CurrentWordModePicture"), scale, controller, parent)
{
    addCanvas(QStringLiteral("CurrentWordCanvas"));

    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("CurrentWordWriteText"));
    m_box->setFont(fontFor(TextFont::SentenceWord));
    m_box->setFrame(false);
    m_box->setTextMargins(0, 0, 0, 0);
    // The panel's own colour: a box grown past its blank hides the words it lies over.
    m_box->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; "
                                        "border: none; padding: 0; }")
                             .arg(theme::kPanel.name(), theme::kWordHint.name()));
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textEdited, &controller, &MainController::fillInTextEdited);

    m_bubble = new QLabel(this);
    m_bubble->setObjectName(QStringLiteral("Picture7"));
    m_bubble->setFont(fontFor(TextFont::TranslationChinese));
    m_bubble->setWordWrap(true);
    m_bubble->setAlignment(Qt::AlignCenter);
    m_bubble->setStyleSheet(
        QStringLiteral("QLabel#Picture7 { background: %1; color: %2; "
                       "border: 1px solid %3; border-radius: 6px; }")
            .arg(theme::kBubble.name(), theme::kBubbleText.name(), theme::kBubbleBorder.name()));
    m_bubble->hide();

    m_help = makeLabel(QStringLiteral("CurrentWordHelp"), QStringLiteral("Muted"), this);
    m_help->setText(QStringLiteral("F1词义提示，F2读音提示，F3音标提示，F4单词提示"));

    // Enabled by the fill-in's own rules, not the sentence navigation's.
    m_buttons =
        addBottomButtons({{QStringLiteral("Command6"), QStringLiteral("首词"), byCommandTable},
                          {QStringLiteral("Command5"), QStringLiteral("上一词"), byCommandTable},
                          {QStringLiteral("Command1"), QStringLiteral("下一词"), byCommandTable},
                          {QStringLiteral("Command7"), QStringLiteral("读词"), byCommandTable},
                          {QStringLiteral("Command8"), QStringLiteral("读句"), byCommandTable},
                          {QStringLiteral("Command9"), QStringLiteral("填写"), byCommandTable}},
                         1110, 120);
    addGear(QStringLiteral("Image3"), QStringLiteral("单词填空设置"),
            QStringLiteral("CurrentWordModeSet"));
    m_latinHints.resize(3);
    m_chineseHint.resize(2);
}

void FillInPanel::layoutControls(const TwipRect& panel, int)
{
    m_help->setGeometry(px({450, 600, panel.width - 450 - 900, 360}));
}

void FillInPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const FillInView& f = state.fillIn;
    m_position->setText(f.progressCaption);
    // The hints are drawn in the fonts they are measured in.
    m_latinHints[1] = f.CurrentWordTextLabel[0];
    m_latinHints[1].foreground = theme::kWordHintRgb;
    m_latinHints[2] = f.CurrentWordTextLabel[2];
    m_latinHints[2].foreground = theme::kChineseTextRgb;
    m_chineseHint[1] = f.CurrentWordTextLabel[1];
    m_chineseHint[1].foreground = theme::kChineseTextRgb;
    m_canvas->setLayers(
        {{0, &state.fillIn.CurrentWordSenLabel, LayerKind::Text, TextFont::SentenceWord},
         {1, &state.fillIn.CurrentWordSenLine, LayerKind::Line},
         {2, &m_latinHints, LayerKind::Text, TextFont::TranslationEnglish},
         {3, &m_chineseHint, LayerKind::Text, TextFont::TranslationChinese}});

    const ViewElement& box = f.CurrentWordWriteText;
    // A few pixels wider than the blank: the box's own margins would scroll the last letter out.
    m_box->setGeometry(px(box.geometry).adjusted(-2, 0, 6, 0));
    if (m_box->text() != box.caption)
        m_box->setText(box.caption);
    if (f.selectRequests != m_selectRequests) {
        m_selectRequests = f.selectRequests;
        m_box->selectAll();
    }
    m_box->setVisible(box.visible);

    m_bubble->setText(f.Picture7.caption);
    m_bubble->setGeometry(px(f.Picture7.geometry));
    m_bubble->setVisible(f.Picture7.visible);
    m_bubble->raise();

    const bool enabled[] = {f.Command6Enabled, f.Command5Enabled, f.Command1Enabled,
                            f.Command7Enabled, f.Command8Enabled, f.Command9Enabled};
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setEnabled(enabled[i]);
}

bool FillInPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && m_controller.fillInSpace())
        return true;
    return SentencePanel::eventFilter(watched, event);
}

QWidget* FillInPanel::focusReceiver(FocusTarget target) const
{
    return target == FocusTarget::CurrentWordWriteText && m_box->isVisible() ? m_box : nullptr;
}

} // namespace kelvaro
