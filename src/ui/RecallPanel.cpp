#include "RecallPanel.h"

#include "ElementCanvas.h"
#include "OptionMenus.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

#include <QMenu>

namespace kelvaro {

RecallPanel::RecallPanel(const TwipScale& scale, MainController& controller, QWidget* parent)
    : ModePanel(QStringLiteral("ClickWordModePicture"), scale, controller, parent)
{
    m_canvas = new ElementCanvas(scale, this);
    m_canvas->setObjectName(QStringLiteral("ClickWordCanvas"));
    m_canvas->setBackground(theme::kPanel);
    m_canvas->lower();
    connect(m_canvas, &ElementCanvas::elementReleased, &controller,
            [&controller](int layer, int index, Qt::MouseButton, Qt::KeyboardModifiers) {
                if (layer == 0)
                    controller.recallWordReleased(index);
            });
    connect(m_canvas, &ElementCanvas::elementDoubleClicked, &controller,
            [&controller](int layer, int index) {
                if (layer == 0)
                    controller.recallWordDoubleClicked(index);
            });
    connect(m_canvas, &ElementCanvas::elementHovered, &controller,
            [&controller](int layer, int index) {
                if (layer == 0)
                    controller.recallWordHovered(index);
            });
    connect(m_canvas, &ElementCanvas::backgroundClicked, &controller,
            &MainController::recallBackgroundClicked);

    m_caption = makeLabel(QStringLiteral("ClickWordCaption"), QStringLiteral("Caption"), this);
    m_caption->setText(QStringLiteral("句子"));
    m_help = makeLabel(QStringLiteral("ClickWordHelp"), QStringLiteral("Muted"), this);
    m_help->setText(QStringLiteral("双击显示单词，连续单击渐进提示"));

    m_first = makeCommand(QStringLiteral("WordBegainCommand"), QStringLiteral("首句"), this);
    m_back = makeCommand(QStringLiteral("WordBackCommand"), QStringLiteral("上一句"), this);
    m_next = makeCommand(QStringLiteral("WordNextCommand"), QStringLiteral("下一句"), this);
    m_read = makeCommand(QStringLiteral("WordReadCommand"), QStringLiteral("朗读"), this);
    m_reset = makeCommand(QStringLiteral("WordRestCommand"), QStringLiteral("重置"), this);
    // The navigation acts only when sentence browse's own buttons would.
    connectCommand(m_first, controller);
    connectCommand(m_back, controller);
    connectCommand(m_next, controller);
    connectCommand(m_read, controller);
    connectCommand(m_reset, controller);

    m_settings = makeSettingsButton(
        QStringLiteral("ClickWordSetImage"), QStringLiteral("句子回想设置"), m_scale.px(300),
        [this, &controller] {
            return buildOptionMenu(QStringLiteral("ClickSet"), controller.state(), controller,
                                   this);
        },
        this);
    m_chinese.resize(2);
}

void RecallPanel::layoutChildren(const TwipRect& panel)
{
    m_canvas->setGeometry(1, 1, m_scale.px(panel.width) - 2, m_scale.px(panel.height) - 2);
    m_caption->setGeometry(px({450, 600, 900, 360}));
    m_help->setGeometry(px({1350, 600, panel.width - 1350 - 900, 360}));
    const int bottomRow = panel.height - 600;
    const int buttonWidth = 1110;
    int left = 450;
    for (QPushButton* button : {m_first, m_back, m_next, m_read, m_reset}) {
        button->setGeometry(px({left, bottomRow, buttonWidth, 420}));
        left += buttonWidth + 120;
    }
    m_settings->setGeometry(px({panel.width - 360 - 300, 600, 300, 300}));
}

void RecallPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const SentenceBrowseView& view = state.sentence;
    m_chinese[1] = view.ClickWordChineseLabel;
    m_chinese[1].foreground = 0xFF4A5563;
    m_canvas->setLayers({{0, &view.ClickWordLabel, LayerKind::Text, TextFont::SentenceWord, true},
                         {1, &view.ClickWordLine, LayerKind::Line},
                         {2, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});
    refreshNavigation(state, m_first, m_back, m_next, m_read);
    m_reset->setEnabled(state.SentenceCount > 0);
}

} // namespace kelvaro
