#include "RecallPanel.h"

#include "ElementCanvas.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

namespace kelvaro {

RecallPanel::RecallPanel(const TwipScale& scale, MainController& controller, QWidget* parent)
    : SentencePanel(QStringLiteral("ClickWordModePicture"), scale, controller, parent)
{
    addCanvas(QStringLiteral("ClickWordCanvas"));
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

    // The navigation acts only when sentence browse's own buttons would.
    addBottomButtons({{QStringLiteral("WordBegainCommand"), QStringLiteral("首句"), byCommandTable,
                       EnabledWhen::Sentences},
                      {QStringLiteral("WordBackCommand"), QStringLiteral("上一句"), byCommandTable,
                       EnabledWhen::BackGroup},
                      {QStringLiteral("WordNextCommand"), QStringLiteral("下一句"), byCommandTable,
                       EnabledWhen::NextGroup},
                      {QStringLiteral("WordReadCommand"), QStringLiteral("朗读"), byCommandTable,
                       EnabledWhen::Sentences},
                      {QStringLiteral("WordRestCommand"), QStringLiteral("重置"), byCommandTable,
                       EnabledWhen::Sentences}},
                     1110, 120);
    addGear(QStringLiteral("ClickWordSetImage"), QStringLiteral("句子回想设置"),
            QStringLiteral("ClickSet"));
    m_chinese.resize(2);
}

void RecallPanel::layoutControls(const TwipRect& panel, int)
{
    m_caption->setGeometry(px({450, 600, 900, 360}));
    m_help->setGeometry(px({1350, 600, panel.width - 1350 - 900, 360}));
}

void RecallPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const RecallView& view = state.recall;
    m_chinese[1] = view.ClickWordChineseLabel;
    m_chinese[1].foreground = theme::kChineseTextRgb;
    m_canvas->setLayers({{0, &view.ClickWordLabel, LayerKind::Text, TextFont::SentenceWord, true},
                         {1, &view.ClickWordLine, LayerKind::Line},
                         {2, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});
    refreshNavigation(state);
}

} // namespace kelvaro
