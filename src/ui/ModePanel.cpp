#include "ModePanel.h"

#include "OptionMenus.h"
#include "PanelParts.h"

#include "app/MainController.h"

#include <QCursor>
#include <QMenu>

namespace kelvaro {

ModePanel::ModePanel(const QString& objectName, const TwipScale& scale, MainController& controller,
                     QWidget* parent)
    : QFrame(parent), m_scale(scale), m_controller(controller)
{
    setObjectName(objectName);
    setProperty("class", QStringLiteral("Panel"));
    // Presses and double clicks on a panel and its controls are theirs: none may reach the
    // window, which would drag, maximise or restore.
    setAttribute(Qt::WA_NoMousePropagation);
    m_title = makeLabel(QStringLiteral("LessonTitleLabel"), QStringLiteral("LessonTitle"), this);
    m_position = makeLabel(QStringLiteral("PositionLabel"), QStringLiteral("Caption"), this);
    m_position->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void ModePanel::placeTitle(const MainState& state)
{
    m_title->setText(state.LessonTitle);
    m_position->setText(state.sentence.positionCaption);
    const int right = width() - m_scale.px(360);
    m_title->setGeometry(m_scale.px(300), m_scale.px(150), width() / 2, m_scale.px(400));
    m_position->setGeometry(right - m_scale.px(2400), m_scale.px(150), m_scale.px(2400),
                            m_scale.px(400));
}

ModePanel::CheckToggle ModePanel::makeCheckToggle(const QString& imageName,
                                                  const QString& labelName, const QString& caption,
                                                  const Click& click)
{
    CheckToggle toggle;
    toggle.image = new ClickableLabel(this);
    toggle.image->setObjectName(imageName);
    toggle.image->setCursor(Qt::PointingHandCursor);
    toggle.label = new ClickableLabel(caption, this);
    toggle.label->setObjectName(labelName);
    toggle.label->setProperty("class", QStringLiteral("Caption"));
    toggle.label->setCursor(Qt::PointingHandCursor);
    for (ClickableLabel* part : {toggle.image, toggle.label})
        connect(part, &ClickableLabel::clicked, &m_controller, click);
    return toggle;
}

ClickableLabel* ModePanel::makeGear(const QString& objectName, const QString& caption,
                                    const QString& menuName)
{
    return makeSettingsButton(
        objectName, caption, m_scale.px(300),
        [this, menuName] {
            return buildOptionMenu(menuName, m_controller.state(), m_controller, this);
        },
        this);
}

void ModePanel::popupOptionMenu(const QString& menuName)
{
    popupAtPointer(buildOptionMenu(menuName, m_controller.state(), m_controller, this));
}

} // namespace kelvaro
