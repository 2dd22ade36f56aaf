#include "DictationMenus.h"

#include "OptionMenus.h"

#include "app/MainController.h"
#include "app/RepeatScheduler.h"
#include "content/TextRules.h"

#include <QActionGroup>
#include <QMenu>

namespace kelvaro {

namespace {

QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

QAction* addCheckedItem(QMenu* menu, const QString& objectName, const QString& caption,
                        bool checked)
{
    QAction* action = addItem(menu, objectName, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

// "选择听写模式": the item of the sub-mode shown is checked and does nothing.
void addSubModeMenu(QMenu* menu, const QString& name, const QString& freeName,
                    const QString& testName, const MainState& state, MainController& controller)
{
    QMenu* subModes = menu->addMenu(QStringLiteral("选择听写模式"));
    subModes->setObjectName(name);
    const bool test = state.options.writeMode == QLatin1String("2");
    QAction* free = addCheckedItem(subModes, freeName, QStringLiteral("自由拼写模式"), !test);
    QAction* dictation = addCheckedItem(subModes, testName, QStringLiteral("听写测试模式"), test);
    QObject::connect(free, &QAction::triggered, &controller, [&controller, test] {
        if (test)
            controller.selectFreeSpelling();
    });
    QObject::connect(dictation, &QAction::triggered, &controller, [&controller, test] {
        if (!test)
            controller.selectDictationTest();
    });
}

} // namespace

QMenu* buildDictationTestMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("WriteSet"));
    menu->setTitle(QStringLiteral("听写测试设置"));
    addSubModeMenu(menu, QStringLiteral("ModeSelect"), QStringLiteral("WordMode1"),
                   QStringLiteral("WordMode2"), state, controller);
    menu->addSeparator();

    QMenu* marks = menu->addMenu(QStringLiteral("设置过关分数"));
    marks->setObjectName(QStringLiteral("WriteSet0"));
    auto* group = new QActionGroup(marks);
    const double mark = leadingNumber(state.options.setFraction);
    // Listed from 60 up to 100; the item names count down from WriteSet1 = 100.
    for (int i = int(kPassMarks.size()) - 1; i >= 0; --i) {
        const int value = kPassMarks[i];
        QAction* item = addCheckedItem(marks, QStringLiteral("WriteSet%1").arg(i + 1),
                                       QStringLiteral("%1分").arg(value), double(value) == mark);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, &controller,
                         [&controller, value] { controller.setPassMark(value); });
    }
    QAction* rules = addItem(menu, QStringLiteral("WriteSet6"), QStringLiteral("查看评分标准"));
    QObject::connect(rules, &QAction::triggered, &controller, &MainController::showScoringRules);
    QAction* results = addItem(menu, QStringLiteral("LookResults"), QStringLiteral("查看听写成绩"));
    QObject::connect(results, &QAction::triggered, &controller, &MainController::showResults);
    menu->addSeparator();

    QAction* chinese = addItem(menu, QStringLiteral("SenSetChinese"),
                               state.options.wordChineseCheck != 0 ? QStringLiteral("隐藏中文")
                                                                   : QStringLiteral("显示中文"));
    QObject::connect(chinese, &QAction::triggered, &controller,
                     &MainController::toggleDictationChinese);
    menu->addSeparator();
    addRepeatFamilyMenus(menu, *repeatFamily(kDictationTestMode), state, controller);
    return menu;
}

QMenu* buildFreeSpellingMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PenModeSet"));
    menu->setTitle(QStringLiteral("自由拼写设置"));
    addSubModeMenu(menu, QStringLiteral("ModeSelect2"), QStringLiteral("PenMode1"),
                   QStringLiteral("PenMode2"), state, controller);
    menu->addSeparator();
    addRepeatFamilyMenus(menu, *repeatFamily(kFreeSpellingMode), state, controller);
    return menu;
}

} // namespace kelvaro
