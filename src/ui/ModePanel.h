#pragma once

#include "Twips.h"

#include "app/FocusTarget.h"
#include "modes/MainState.h"

#include <QFrame>

class QLabel;

namespace kelvaro {

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
    QRect px(const TwipRect& r) const { return m_scale.rect(r); }
    void placeTitle(const MainState& state);

    const TwipScale& m_scale;
    MainController& m_controller;
    QLabel* m_title = nullptr;    ///< the lesson title (Label1)
    QLabel* m_position = nullptr; ///< "3 / 12"
};

} // namespace kelvaro
