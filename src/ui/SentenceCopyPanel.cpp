#include "SentenceCopyPanel.h"

#include "ElementCanvas.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

namespace kelvaro {

namespace {

QString panelName(int mode)
{
    switch (mode) {
    case kDictationTestMode:
        return QStringLiteral("WriteWordModePicture");
    default:
        return QStringLiteral("WriteModePicture");
    }
}

QString backName(int mode)
{
    switch (mode) {
    case kDictationTestMode:
        return QStringLiteral("WriteBackCommand");
    default:
        return QStringLiteral("WriteSenBackCommand");
    }
}

QString nextName(int mode)
{
    switch (mode) {
    case kDictationTestMode:
        return QStringLiteral("WriteNextCommand");
    default:
        return QStringLiteral("WriteSenNextCommand");
    }
}

} // namespace

SentenceCopyPanel::SentenceCopyPanel(int mode, const TwipScale& scale, MainController& controller,
                                     QWidget* parent)
    : ModePanel(panelName(mode), scale, controller, parent), m_mode(mode)
{
    m_canvas = new ElementCanvas(scale, this);
    m_canvas->setBackground(theme::kPanel);
    m_canvas->lower();
    m_back = makeCommand(backName(mode), QStringLiteral("上一句"), this);
    m_next = makeCommand(nextName(mode), QStringLiteral("下一句"), this);
    // These buttons act only when sentence browse's own buttons would.
    connect(m_back, &QPushButton::clicked, &controller, &MainController::previousSentence);
    connect(m_next, &QPushButton::clicked, &controller, &MainController::nextSentence);
    m_lines.resize(3);
    m_chinese.resize(2);
}

void SentenceCopyPanel::layoutChildren(const TwipRect& panel)
{
    m_canvas->setGeometry(1, 1, m_scale.px(panel.width) - 2, m_scale.px(panel.height) - 2);
    const int bottomRow = panel.height - 600;
    m_back->setGeometry(px({450, bottomRow, 1110, 420}));
    m_next->setGeometry(px({450 + 1230, bottomRow, 1110, 420}));
}

void SentenceCopyPanel::refresh(const MainState& state)
{
    placeTitle(state);
    const SentenceBrowseView& view = state.sentence;
    m_chinese[1] = view.SenChineseLabel;
    m_chinese[1].foreground = 0xFF4A5563;
    switch (m_mode) {
    case kDictationTestMode:
        m_canvas->setLayers({{0, &view.WriteWordLabel, LayerKind::Text, TextFont::SentenceWord},
                             {1, &view.WriteWordLine, LayerKind::Line},
                             {2, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});
        break;
    default: {
        m_lines[1] = view.SenEnglishTextLabel;
        m_lines[1].geometry.top = 1050;
        m_lines[1].visible = true;
        m_chinese[1].geometry.top = m_lines[1].geometry.bottom() + 110;
        m_chinese[1].visible = true;
        m_canvas->setLayers({{0, &m_lines, LayerKind::Text, TextFont::TranslationEnglish},
                             {2, &m_chinese, LayerKind::Text, TextFont::SentenceChinese}});
        break;
    }
    }
    m_back->setEnabled(state.backGroupEnabled);
    m_next->setEnabled(state.nextGroupEnabled);
}

} // namespace kelvaro
