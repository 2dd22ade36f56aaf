#include "FillInPanel.h"

#include "ElementCanvas.h"
#include "Fonts.h"
#include "OptionMenus.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace kelvaro {

FillInPanel::FillInPanel(const TwipScale& scale, MainController& controller, QWidget* parent)
    : ModePanel(QStringLiteral("CurrentWordModePicture"), scale, controller, parent)
{
    m_canvas = new ElementCanvas(scale, this);
    m_canvas->setObjectName(QStringLiteral("CurrentWordCanvas"));
    m_canvas->setBackground(theme::kPanel);
    m_canvas->lower();

    m_box = new QLineEdit(this);
    m_box->setObjectName(QStringLiteral("CurrentWordWriteText"));
    m_box->setFont(fontFor(TextFont::SentenceWord));
    m_box->setFrame(false);
    m_box->setTextMargins(0, 0, 0, 0);
    m_box->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: #1d4f8a; "
                                        "border: none; padding: 0; }"));
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textEdited, &controller, &MainController::fillInTextEdited);

    m_bubble = new QLabel(this);
    m_bubble->setObjectName(QStringLiteral("Picture7"));
    m_bubble->setFont(fontFor(TextFont::TranslationChinese));
    m_bubble->setWordWrap(true);
    m_bubble->setAlignment(Qt::AlignCenter);
    m_bubble->setStyleSheet(QStringLiteral("QLabel#Picture7 { background: #fffbe6; color: #5a4a00; "
                                           "border: 1px solid #d9b54a; border-radius: 6px; }"));
    m_bubble->hide();

    m_help = makeLabel(QStringLiteral("CurrentWordHelp"), QStringLiteral("Muted"), this);
    m_help->setText(QStringLiteral("F1词义提示，F2读音提示，F3音标提示，F4单词提示"));

    m_first = makeCommand(QStringLiteral("Command6"), QStringLiteral("首词"), this);
    m_back = makeCommand(QStringLiteral("Command5"), QStringLiteral("上一词"), this);
    m_next = makeCommand(QStringLiteral("Command1"), QStringLiteral("下一词"), this);
    m_readWord = makeCommand(QStringLiteral("Command7"), QStringLiteral("读词"), this);
    m_readSentence = makeCommand(QStringLiteral("Command8"), QStringLiteral("读句"), this);
    m_fill = makeCommand(QStringLiteral("Command9"), QStringLiteral("填写"), this);
    connectCommand(m_first, controller);
    connectCommand(m_back, controller);
    connectCommand(m_next, controller);
    connectCommand(m_readWord, controller);
    connectCommand(m_readSentence, controller);
    connectCommand(m_fill, controller);

    m_settings = makeSettingsButton(
        QStringLiteral("Image3"), QStringLiteral("单词填空设置"), m_scale.px(300),
        [this, &controller] {
            return buildOptionMenu(QStringLiteral("CurrentWordModeSet"), controller.state(),
                                   controller, this);
        },
        this);
    m_latinHints.resize(3);
    m_chineseHint.resize(2);
}

void FillInPanel::layoutChildren(const TwipRect& panel)
{
    m_canvas->setGeometry(1, 1, m_scale.px(panel.width) - 2, m_scale.px(panel.height) - 2);
    m_help->setGeometry(px({450, 600, panel.width - 450 - 900, 360}));
    const int bottomRow = panel.height - 600;
    const int buttonWidth = 1110;
    int left = 450;
    for (QPushButton* button : {m_first, m_back, m_next, m_readWord, m_readSentence, m_fill}) {
        button->setGeometry(px({left, bottomRow, buttonWidth, 420}));
        left += buttonWidth + 120;
    }
    m_settings->setGeometry(px({panel.width - 360 - 300, 600, 300, 300}));
}

void FillInPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const FillInView& f = state.fillIn;
    m_position->setText(f.progressCaption);
    // The hints are drawn in the fonts they are measured in.
    m_latinHints[1] = f.CurrentWordTextLabel[0];
    m_latinHints[1].foreground = 0xFF1D4F8A;
    m_latinHints[2] = f.CurrentWordTextLabel[2];
    m_latinHints[2].foreground = 0xFF4A5563;
    m_chineseHint[1] = f.CurrentWordTextLabel[1];
    m_chineseHint[1].foreground = 0xFF4A5563;
    m_canvas->setLayers(
        {{0, &state.sentence.CurrentWordSenLabel, LayerKind::Text, TextFont::SentenceWord},
         {1, &state.sentence.CurrentWordSenLine, LayerKind::Line},
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

    m_first->setEnabled(f.Command6Enabled);
    m_back->setEnabled(f.Command5Enabled);
    m_next->setEnabled(f.Command1Enabled);
    m_readWord->setEnabled(f.Command7Enabled);
    m_readSentence->setEnabled(f.Command8Enabled);
    m_fill->setEnabled(f.Command9Enabled);
}

bool FillInPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && m_controller.fillInSpace())
        return true;
    return ModePanel::eventFilter(watched, event);
}

QWidget* FillInPanel::focusReceiver(FocusTarget target) const
{
    return target == FocusTarget::CurrentWordWriteText && m_box->isVisible() ? m_box : nullptr;
}

} // namespace kelvaro
