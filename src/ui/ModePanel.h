#pragma once

#include "Twips.h"

#include "app/FocusTarget.h"
#include "modes/MainState.h"

#include <QFrame>

#include <functional>

class QLabel;

namespace kelvaro {

class ClickableLabel;
class MainController;

/// A mode's panel: it draws its part of the window state and hands clicks to the controller.
class ModePanel : public QFrame
{
    Q_OBJECT
public:
    ModePanel(const QString& objectName, const TwipScale& scale, MainController& controller,
              QWidget* parent = nullptr);

    /// Draws the state again.
    virtual void refresh(const MainState& state) = 0;
    /// Places the panel's children for the panel's size in twips.
    virtual void layoutChildren(const TwipRect& panel) = 0;
    /// The panel's widget that takes the keyboard for target, when it is this panel's and
    /// can take it now; nullptr otherwise.
    virtual QWidget* focusReceiver(FocusTarget) const { return nullptr; }

protected:
    /// What a click on a control does.
    using Click = std::function<void()>;
    /// A check picture with its caption; a click on either does the same.
    struct CheckToggle
    {
        ClickableLabel* image = nullptr;
        ClickableLabel* label = nullptr;
    };

    QRect px(const TwipRect& r) const { return m_scale.rect(r); }
    void placeTitle(const MainState& state);
    /// No click of a button's own: it performs its command from the command table.
    static inline const Click byCommandTable{};
    /// A click that calls a slot of the controller.
    Click call(void (MainController::*slot)()) const
    {
        return [controller = &m_controller, slot] { (controller->*slot)(); };
    }
    CheckToggle makeCheckToggle(const QString& imageName, const QString& labelName,
                                const QString& caption, const Click& click);
    /// The gear that opens the option menu menuName (see OptionMenus) at the pointer.
    ClickableLabel* makeGear(const QString& objectName, const QString& caption,
                             const QString& menuName);
    /// Opens the option menu menuName at the pointer, built afresh: its marks follow the state.
    void popupOptionMenu(const QString& menuName);

    const TwipScale& m_scale;
    MainController& m_controller;
    QLabel* m_title = nullptr;    ///< the lesson title (Label1)
    QLabel* m_position = nullptr; ///< "3 / 12"
};

} // namespace kelvaro
