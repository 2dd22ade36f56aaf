#include "OptionMenus.h"

#include "app/FillInActions.h"
#include "app/MainController.h"
#include "app/RepeatScheduler.h"
#include "modes/Recall.h"
#include "modes/TranslationReveal.h"

#include <QActionGroup>
#include <QMenu>

namespace kelvaro {

namespace {

const char* const kCountCaptions[] = {"不朗读", "1次", "2次", "3次", "5次", "8次", "10次", "20次"};
const char* const kPauseCaptions[] = {"无间隔", "1秒",  "2秒",  "3秒", "5秒",
                                      "10秒",   "20秒", "30秒", "60秒"};

QAction* addChecked(QMenu* menu, QActionGroup* group, const QString& objectName,
                    const QString& caption, bool checked)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setCheckable(true);
    action->setChecked(checked);
    group->addAction(action);
    return action;
}

} // namespace

void addRepeatFamilyMenus(QMenu* menu, const RepeatFamily& family, const MainState& state,
                          MainController& controller)
{
    const QString prefix = QString::fromLatin1(family.prefix);
    const RepeatOption& option = state.options.*(family.option);
    const int mode = family.mode;

    QMenu* counts = menu->addMenu(QStringLiteral("朗读次数"));
    counts->setObjectName(prefix + QStringLiteral("ModeRead"));
    auto* countGroup = new QActionGroup(counts);
    countGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const int checkedCount = checkedItem(kRepeatCounts, option.count);
    for (int i = 0; i < int(kRepeatCounts.size()); ++i) {
        QAction* action =
            addChecked(counts, countGroup, prefix + QStringLiteral("ModeRead") + QString::number(i),
                       QString::fromUtf8(kCountCaptions[i]), i == checkedCount);
        const int value = kRepeatCounts[i];
        QObject::connect(action, &QAction::triggered, &controller,
                         [&controller, mode, value] { controller.setRepeatCount(mode, value); });
    }

    QMenu* pauses = menu->addMenu(QStringLiteral("间隔时间"));
    pauses->setObjectName(prefix + QStringLiteral("ReadTime"));
    auto* pauseGroup = new QActionGroup(pauses);
    pauseGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const int checkedPause = checkedItem(kPausesMs, option.pauseMs);
    for (int i = 0; i < int(kPausesMs.size()); ++i) {
        QAction* action =
            addChecked(pauses, pauseGroup, prefix + QStringLiteral("ReadTime") + QString::number(i),
                       QString::fromUtf8(kPauseCaptions[i]), i == checkedPause);
        const int value = kPausesMs[i];
        QObject::connect(action, &QAction::triggered, &controller,
                         [&controller, mode, value] { controller.setRepeatPause(mode, value); });
    }
}

QMenu* buildSentenceBrowseMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("SenModeSet"));
    menu->setTitle(QStringLiteral("句子浏览设置"));
    QAction* chinese = menu->addAction(state.senChineseShown() ? QStringLiteral("隐藏中文")
                                                               : QStringLiteral("显示中文"));
    chinese->setObjectName(QStringLiteral("SenModeChinese"));
    QObject::connect(chinese, &QAction::triggered, &controller,
                     &MainController::toggleSentenceChinese);
    menu->addSeparator();
    addRepeatFamilyMenus(menu, *repeatFamily(kSentenceBrowseMode), state, controller);
    menu->addSeparator();
    QMenu* playMode = menu->addMenu(QStringLiteral("播放模式"));
    playMode->setObjectName(QStringLiteral("SetPlayMode"));
    auto* group = new QActionGroup(playMode);
    const bool automatic = state.options.playMode != 0;
    QAction* manual = addChecked(playMode, group, QStringLiteral("SetPlayMode1"),
                                 QStringLiteral("手动进入下一句"), !automatic);
    QAction* next = addChecked(playMode, group, QStringLiteral("SetPlayMode2"),
                               QStringLiteral("自动进入下一句"), automatic);
    QObject::connect(manual, &QAction::triggered, &controller,
                     [&controller] { controller.setPlayMode(0); });
    QObject::connect(next, &QAction::triggered, &controller,
                     [&controller] { controller.setPlayMode(1); });
    return menu;
}

// Sentence recall
QMenu* buildRecallMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("ClickSet"));
    menu->setTitle(QStringLiteral("句子回想设置"));
    QAction* chinese = menu->addAction(recallChineseShown(state) ? QStringLiteral("隐藏中文")
                                                                 : QStringLiteral("显示中文"));
    chinese->setObjectName(QStringLiteral("ClickSetChinese"));
    QObject::connect(chinese, &QAction::triggered, &controller,
                     &MainController::toggleRecallChinese);
    menu->addSeparator();
    addRepeatFamilyMenus(menu, *repeatFamily(kRecallMode), state, controller);
    return menu;
}

// Word fill-in
QMenu* buildFillInMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("CurrentWordModeSet"));
    menu->setTitle(QStringLiteral("单词填空设置"));
    const Settings& o = state.options;
    const struct
    {
        const char* name;
        const char* caption;
        bool checked;
        FillInOption option;
    } items[] = {
        {"CurrentWordChinese", "提示词义", o.currentWordChinese, FillInOption::Meaning},
        {"CurrentWordRead", "提示读音", o.currentWordRead, FillInOption::Speak},
        {"CurrentWordPron", "提示音标", o.currentWordPron, FillInOption::Transcription},
        {"CurrentWordEnglish", "提示单词", o.currentWordEnglish, FillInOption::Word},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(true);
        action->setChecked(item.checked);
        const int option = int(item.option);
        QObject::connect(action, &QAction::triggered, &controller,
                         [&controller, option] { controller.toggleFillInOption(option); });
    }
    return menu;
}

// The translation page's menu
QMenu* buildTranslationMenu(const MainState& state, MainController& controller, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("YL"));
    menu->setTitle(QStringLiteral("英汉互译设置"));
    auto* group = new QActionGroup(menu);
    const int current = revealModeOf(state.options.translationMode);
    const struct
    {
        const char* name;
        const char* caption;
        int mode;
    } items[] = {
        {"RS1", "点出中文", kPointChinese},
        {"RS2", "点出英文", kPointEnglish},
        {"RS3", "点出中文和英文", kPointEnglishChinese},
    };
    for (const auto& item : items) {
        QAction* action = addChecked(menu, group, QString::fromLatin1(item.name),
                                     QString::fromUtf8(item.caption), item.mode == current);
        const int mode = item.mode;
        QObject::connect(action, &QAction::triggered, &controller,
                         [&controller, mode] { controller.chooseRevealMode(mode); });
    }
    return menu;
}

} // namespace kelvaro
