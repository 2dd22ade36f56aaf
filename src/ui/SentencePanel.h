#pragma once

#include "ModePanel.h"

#include <QList>

class QPushButton;

namespace kelvaro {

class ClickableLabel;
class ElementCanvas;

/// A panel of one sentence at a time: the title, a canvas under everything, the bottom row of
/// command buttons, the Chinese toggle and the gear of the panel's option menu. A panel
/// declares these in its constructor, in the order they stack, and lays out only its own
/// controls in layoutControls.
class SentencePanel : public ModePanel
{
    Q_OBJECT
public:
    using ModePanel::ModePanel;
    void layoutChildren(const TwipRect& panel) final;

protected:
    /// Which rule of the sentence navigation enables a button; Panel: the panel's own, if any.
    enum class EnabledWhen { Panel, Sentences, BackGroup, NextGroup };
    /// A command button as a panel declares it. Without a click of its own it performs the
    /// command the command table gives its object name, as the keys do.
    struct Button
    {
        QString objectName;
        QString caption;
        Click click;
        EnabledWhen enabled = EnabledWhen::Panel;
    };
    /// Equally wide buttons standing left to right, gap twips apart.
    struct ButtonGroup
    {
        QList<QPushButton*> buttons;
        int width = 0;
        int gap = 0;
        int height = 420;
    };

    /// The canvas under the panel's other children, filling the panel inside its border.
    ElementCanvas* addCanvas(const QString& objectName = QString());
    /// Makes the commands' buttons; they stand where the panel places them.
    ButtonGroup addButtons(const QList<Button>& commands, int width, int gap, int height = 420);
    /// Makes the commands' buttons at the end of the bottom row, lead twips after what stands
    /// before them.
    QList<QPushButton*> addBottomButtons(const QList<Button>& commands, int width, int gap,
                                         int lead = 0);
    /// The check picture and caption that show or hide the Chinese line, in the bottom row,
    /// lead twips after the buttons.
    void addChineseToggle(const QString& imageName, const QString& labelName,
                          const QString& caption, const Click& click, int lead);
    /// The gear of the option menu menuName, its left edge fromRight twips in from the
    /// panel's right edge.
    void addGear(const QString& objectName, const QString& caption, const QString& menuName,
                 int top = 600, int fromRight = 360 + 300);

    /// Places a group from left at top.
    void placeGroup(const ButtonGroup& group, int left, int top) const;
    /// Enables the buttons that follow the sentence navigation's rules.
    void refreshNavigation(const MainState& state);
    void refreshChineseToggle(const ProgramFolder& folder, bool shown);
    /// The panel's own controls; rowEnd is where the bottom row ends, in twips.
    virtual void layoutControls(const TwipRect& panel, int rowEnd) = 0;

    ElementCanvas* m_canvas = nullptr;

private:
    static constexpr int kRowLeft = 450;
    static constexpr int kRowAbove = 600; ///< the bottom row's top above the panel's bottom

    struct RowGroup
    {
        ButtonGroup group;
        int lead = 0;
    };
    QList<RowGroup> m_bottomRow;
    QList<std::pair<QPushButton*, EnabledWhen>> m_rules;
    CheckToggle m_chineseToggle;
    int m_toggleLead = 0;
    ClickableLabel* m_gear = nullptr;
    int m_gearTop = 600;
    int m_gearFromRight = 660;
};

} // namespace kelvaro
