#include "WindowFixture.h"

#include "app/CommandTable.h"
#include "app/ModeTable.h"
#include "ui/ModePanel.h"

#include <QPushButton>

using namespace kelvaro;

namespace {

using CommandButtonsTest = WindowFixture;

} // namespace

// A button whose name the command table misspells does nothing when clicked; a command whose
// button the panels renamed is never performed.
TEST_F(CommandButtonsTest, EveryPanelButtonIsACommandAndEveryCommandButtonIsOnAPanel)
{
    // The translation page's "设置" opens a menu: no command.
    const QStringList menuButtons = {QStringLiteral("OptionCommand")};
    QStringList onPanels;
    for (const ModeRow& row : kModeTable) {
        for (QPushButton* button : window().panel(row.mode)->findChildren<QPushButton*>()) {
            const QString name = button->objectName();
            onPanels.append(name);
            if (!menuButtons.contains(name))
                EXPECT_TRUE(commandOfButton(name).has_value()) << name.toStdString();
        }
    }
    for (const QString& name : commandButtons())
        EXPECT_TRUE(onPanels.contains(name)) << name.toStdString();
}
