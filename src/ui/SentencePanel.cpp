#include "SentencePanel.h"

#include "ElementCanvas.h"
#include "PanelParts.h"
#include "Theme.h"

#include "app/MainController.h"

namespace kelvaro {

ElementCanvas* SentencePanel::addCanvas(const QString& objectName)
{
    m_canvas = new ElementCanvas(m_scale, this);
    if (!objectName.isEmpty())
        m_canvas->setObjectName(objectName);
    m_canvas->setBackground(theme::kPanel);
    m_canvas->lower();
    return m_canvas;
}

SentencePanel::ButtonGroup SentencePanel::addButtons(const QList<Button>& commands, int width,
                                                     int gap, int height)
{
    ButtonGroup group{{}, width, gap, height};
    for (const Button& command : commands) {
        QPushButton* button = makeCommand(command.objectName, command.caption, this);
        if (command.click)
            connect(button, &QPushButton::clicked, &m_controller, command.click);
        else
            connectCommand(button, m_controller);
        if (command.enabled != EnabledWhen::Panel)
            m_rules.append({button, command.enabled});
        group.buttons.append(button);
    }
    return group;
}

QList<QPushButton*> SentencePanel::addBottomButtons(const QList<Button>& commands, int width,
                                                    int gap, int lead)
{
    m_bottomRow.append({addButtons(commands, width, gap), lead});
    return m_bottomRow.last().group.buttons;
}

void SentencePanel::addChineseToggle(const QString& imageName, const QString& labelName,
                                     const QString& caption, const Click& click, int lead)
{
    m_chineseToggle = makeCheckToggle(imageName, labelName, caption, click);
    m_toggleLead = lead;
}

void SentencePanel::addGear(const QString& objectName, const QString& caption,
                            const QString& menuName, int top, int fromRight)
{
    m_gear = makeGear(objectName, caption, menuName);
    m_gearTop = top;
    m_gearFromRight = fromRight;
}

void SentencePanel::placeGroup(const ButtonGroup& group, int left, int top) const
{
    for (QPushButton* button : group.buttons) {
        button->setGeometry(px({left, top, group.width, group.height}));
        left += group.width + group.gap;
    }
}

void SentencePanel::layoutChildren(const TwipRect& panel)
{
    if (m_canvas)
        m_canvas->setGeometry(1, 1, m_scale.px(panel.width) - 2, m_scale.px(panel.height) - 2);
    const int bottomRow = panel.height - kRowAbove;
    int left = kRowLeft;
    for (const RowGroup& part : m_bottomRow) {
        left += part.lead;
        placeGroup(part.group, left, bottomRow);
        left += int(part.group.buttons.size()) * (part.group.width + part.group.gap);
    }
    if (m_chineseToggle.image) {
        // The picture, then its caption: a click on either toggles.
        left += m_toggleLead;
        m_chineseToggle.image->setGeometry(px({left, bottomRow + 90, 240, 240}));
        m_chineseToggle.label->setGeometry(px({left + 300, bottomRow, 600, 420}));
        left += 1000;
    }
    if (m_gear)
        m_gear->setGeometry(px({panel.width - m_gearFromRight, m_gearTop, 300, 300}));
    layoutControls(panel, left);
}

void SentencePanel::refreshNavigation(const MainState& state)
{
    for (const auto& [button, rule] : m_rules) {
        switch (rule) {
        case EnabledWhen::Sentences:
            button->setEnabled(state.SentenceCount > 0);
            break;
        case EnabledWhen::BackGroup:
            button->setEnabled(state.backGroupEnabled);
            break;
        case EnabledWhen::NextGroup:
            button->setEnabled(state.nextGroupEnabled);
            break;
        case EnabledWhen::Panel:
            break;
        }
    }
}

void SentencePanel::refreshChineseToggle(const ProgramFolder& folder, bool shown)
{
    m_chineseToggle.image->setPixmap(checkPicture(folder, shown, m_scale.px(240)));
}

} // namespace kelvaro
