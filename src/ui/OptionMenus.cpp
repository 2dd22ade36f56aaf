#include "OptionMenus.h"

#include "app/FillInActions.h"
#include "app/MainController.h"
#include "app/RepeatScheduler.h"
#include "content/TextRules.h"
#include "modes/Recall.h"
#include "modes/TranslationReveal.h"

#include <QActionGroup>
#include <QMenu>

#include <functional>
#include <optional>
#include <vector>

namespace kelvaro {

namespace {

/// How the checkable items of one menu level go together.
enum class Group { None, Exclusive, ExclusiveOptional };

/// One row of a menu: an item, a separator or a submenu with its own rows.
struct MenuItem
{
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    QString name;
    std::function<QString(const MainState&)> caption;
    /// Empty for an item without a check mark.
    std::function<bool(const MainState&)> checked;
    std::function<void(MainController&)> chosen;
    std::vector<MenuItem> items; ///< a submenu's rows
    Group group = Group::None;   ///< a submenu's checkable rows
};

using Caption = std::function<QString(const MainState&)>;

Caption fixed(const QString& text)
{
    return [text](const MainState&) { return text; };
}

MenuItem item(const QString& name, Caption caption, std::function<void(MainController&)> chosen)
{
    return {MenuItem::Kind::Item, name, std::move(caption), {}, std::move(chosen), {}, {}};
}

MenuItem checkItem(const QString& name, const QString& caption,
                   std::function<bool(const MainState&)> checked,
                   std::function<void(MainController&)> chosen)
{
    return {
        MenuItem::Kind::Item, name, fixed(caption), std::move(checked), std::move(chosen), {}, {}};
}

MenuItem separator()
{
    return {MenuItem::Kind::Separator, {}, {}, {}, {}, {}, {}};
}

MenuItem submenu(const QString& name, const QString& caption, std::vector<MenuItem> items,
                 Group group = Group::None)
{
    return {MenuItem::Kind::Submenu, name, fixed(caption), {}, {}, std::move(items), group};
}

/// A Chinese toggle: its caption names the next action.
Caption chineseToggle(std::function<bool(const MainState&)> shown)
{
    return [shown](const MainState& state) {
        return shown(state) ? QStringLiteral("隐藏中文") : QStringLiteral("显示中文");
    };
}

const char* const kCountCaptions[] = {"不朗读", "1次", "2次", "3次", "5次", "8次", "10次", "20次"};
const char* const kPauseCaptions[] = {"无间隔", "1秒",  "2秒",  "3秒", "5秒",
                                      "10秒",   "20秒", "30秒", "60秒"};

/// A mode's "朗读次数" and "间隔时间" submenus, from the repeat-count and pause families.
std::vector<MenuItem> repeatFamilyItems(Mode mode)
{
    const RepeatFamily& family = *repeatFamily(mode);
    const QString prefix = QString::fromLatin1(family.prefix);
    const auto option = family.option;
    std::vector<MenuItem> counts, pauses;
    for (int i = 0; i < int(kRepeatCounts.size()); ++i) {
        counts.push_back(checkItem(
            prefix + QStringLiteral("ModeRead") + QString::number(i),
            QString::fromUtf8(kCountCaptions[i]),
            [option, i](const MainState& s) {
                return checkedItem(kRepeatCounts, (s.options.*option).count) == i;
            },
            [mode, i](MainController& c) { c.setRepeatCount(mode, kRepeatCounts[i]); }));
    }
    for (int i = 0; i < int(kPausesMs.size()); ++i) {
        pauses.push_back(checkItem(
            prefix + QStringLiteral("ReadTime") + QString::number(i),
            QString::fromUtf8(kPauseCaptions[i]),
            [option, i](const MainState& s) {
                return checkedItem(kPausesMs, (s.options.*option).pauseMs) == i;
            },
            [mode, i](MainController& c) { c.setRepeatPause(mode, kPausesMs[i]); }));
    }
    return {submenu(prefix + QStringLiteral("ModeRead"), QStringLiteral("朗读次数"),
                    std::move(counts), Group::ExclusiveOptional),
            submenu(prefix + QStringLiteral("ReadTime"), QStringLiteral("间隔时间"),
                    std::move(pauses), Group::ExclusiveOptional)};
}

bool dictationTestShown(const MainState& state)
{
    return state.options.writeMode == WriteMode::DictationTest;
}

/// "选择听写模式": the item of the sub-mode shown is checked and does nothing.
MenuItem subModeMenu(const QString& name, const QString& freeName, const QString& testName)
{
    return submenu(name, QStringLiteral("选择听写模式"),
                   {checkItem(
                        freeName, QStringLiteral("自由拼写模式"),
                        [](const MainState& s) { return !dictationTestShown(s); },
                        [](MainController& c) {
                            if (dictationTestShown(c.state()))
                                c.selectFreeSpelling();
                        }),
                    checkItem(testName, QStringLiteral("听写测试模式"), dictationTestShown,
                              [](MainController& c) {
                                  if (!dictationTestShown(c.state()))
                                      c.selectDictationTest();
                              })});
}

/// "设置过关分数": listed from 60 up to 100; the item names count down from WriteSet1 = 100.
MenuItem passMarkMenu()
{
    std::vector<MenuItem> marks;
    for (int i = int(kPassMarks.size()) - 1; i >= 0; --i) {
        const int value = kPassMarks[i];
        marks.push_back(checkItem(
            QStringLiteral("WriteSet%1").arg(i + 1), QStringLiteral("%1分").arg(value),
            [value](const MainState& s) { return double(value) == s.options.setFraction; },
            [value](MainController& c) { c.setPassMark(value); }));
    }
    return submenu(QStringLiteral("WriteSet0"), QStringLiteral("设置过关分数"), std::move(marks),
                   Group::Exclusive);
}

std::vector<MenuItem> concat(std::vector<MenuItem> items, std::vector<MenuItem> more)
{
    for (MenuItem& m : more)
        items.push_back(std::move(m));
    return items;
}

MenuItem fillInToggle(const QString& name, const QString& caption, bool Settings::*value,
                      FillInOption option)
{
    return checkItem(
        name, caption, [value](const MainState& s) { return s.options.*value; },
        [option](MainController& c) { c.toggleFillInOption(int(option)); });
}

MenuItem revealItem(const QString& name, const QString& caption, int mode)
{
    return checkItem(
        name, caption,
        [mode](const MainState& s) { return revealModeOf(s.options.translationMode) == mode; },
        [mode](MainController& c) { c.chooseRevealMode(mode); });
}

/// Every option menu: its name, its title and its rows.
const std::vector<MenuItem>& optionMenus()
{
    static const std::vector<MenuItem> menus = {
        submenu(
            QStringLiteral("AllModeSet"), QStringLiteral("全文模式设置"),
            concat({item(QStringLiteral("SetKeyWord"), fixed(QStringLiteral("添加/取消重点词")),
                         [](MainController& c) { c.showKeyWordHelp(); }),
                    item(QStringLiteral("KeyWordColor"), fixed(QStringLiteral("设置重点词颜色")),
                         [](MainController& c) { c.chooseKeyWordColour(); }),
                    separator()},
                   repeatFamilyItems(Mode::FullText))),
        submenu(
            QStringLiteral("SenModeSet"), QStringLiteral("句子浏览设置"),
            concat(
                concat({item(QStringLiteral("SenModeChinese"),
                             chineseToggle([](const MainState& s) { return s.senChineseShown(); }),
                             [](MainController& c) { c.toggleSentenceChinese(); }),
                        separator()},
                       repeatFamilyItems(Mode::SentenceBrowse)),
                {separator(),
                 submenu(QStringLiteral("SetPlayMode"), QStringLiteral("播放模式"),
                         {checkItem(
                              QStringLiteral("SetPlayMode1"), QStringLiteral("手动进入下一句"),
                              [](const MainState& s) { return !s.options.playMode; },
                              [](MainController& c) { c.setPlayMode(0); }),
                          checkItem(
                              QStringLiteral("SetPlayMode2"), QStringLiteral("自动进入下一句"),
                              [](const MainState& s) { return s.options.playMode; },
                              [](MainController& c) { c.setPlayMode(1); })},
                         Group::Exclusive)})),
        submenu(QStringLiteral("YL"), QStringLiteral("英汉互译设置"),
                {revealItem(QStringLiteral("RS1"), QStringLiteral("点出中文"), kPointChinese),
                 revealItem(QStringLiteral("RS2"), QStringLiteral("点出英文"), kPointEnglish),
                 revealItem(QStringLiteral("RS3"), QStringLiteral("点出中文和英文"),
                            kPointEnglishChinese)},
                Group::Exclusive),
        submenu(QStringLiteral("WriteSet"), QStringLiteral("听写测试设置"),
                concat({subModeMenu(QStringLiteral("ModeSelect"), QStringLiteral("WordMode1"),
                                    QStringLiteral("WordMode2")),
                        separator(), passMarkMenu(),
                        item(QStringLiteral("WriteSet6"), fixed(QStringLiteral("查看评分标准")),
                             [](MainController& c) { c.showScoringRules(); }),
                        item(QStringLiteral("LookResults"), fixed(QStringLiteral("查看听写成绩")),
                             [](MainController& c) { c.showResults(); }),
                        separator(),
                        item(QStringLiteral("SenSetChinese"), chineseToggle([](const MainState& s) {
                                 return s.options.wordChineseCheck;
                             }),
                             [](MainController& c) { c.toggleDictationChinese(); }),
                        separator()},
                       repeatFamilyItems(Mode::DictationTest))),
        submenu(QStringLiteral("PenModeSet"), QStringLiteral("自由拼写设置"),
                concat({subModeMenu(QStringLiteral("ModeSelect2"), QStringLiteral("PenMode1"),
                                    QStringLiteral("PenMode2")),
                        separator()},
                       repeatFamilyItems(Mode::FreeSpelling))),
        submenu(
            QStringLiteral("ClickSet"), QStringLiteral("句子回想设置"),
            concat({item(QStringLiteral("ClickSetChinese"),
                         chineseToggle([](const MainState& s) { return recallChineseShown(s); }),
                         [](MainController& c) { c.toggleRecallChinese(); }),
                    separator()},
                   repeatFamilyItems(Mode::Recall))),
        submenu(QStringLiteral("CurrentWordModeSet"), QStringLiteral("单词填空设置"),
                {fillInToggle(QStringLiteral("CurrentWordChinese"), QStringLiteral("提示词义"),
                              &Settings::currentWordChinese, FillInOption::Meaning),
                 fillInToggle(QStringLiteral("CurrentWordRead"), QStringLiteral("提示读音"),
                              &Settings::currentWordRead, FillInOption::Speak),
                 fillInToggle(QStringLiteral("CurrentWordPron"), QStringLiteral("提示音标"),
                              &Settings::currentWordPron, FillInOption::Transcription),
                 fillInToggle(QStringLiteral("CurrentWordEnglish"), QStringLiteral("提示单词"),
                              &Settings::currentWordEnglish, FillInOption::Word)}),
    };
    return menus;
}

void addItems(QMenu* menu, const MenuItem& level, const MainState& state,
              MainController& controller)
{
    QActionGroup* group = nullptr;
    if (level.group != Group::None) {
        group = new QActionGroup(menu);
        if (level.group == Group::ExclusiveOptional)
            group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    }
    for (const MenuItem& row : level.items) {
        switch (row.kind) {
        case MenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItem::Kind::Submenu: {
            QMenu* sub = menu->addMenu(row.caption(state));
            sub->setObjectName(row.name);
            addItems(sub, row, state, controller);
            break;
        }
        case MenuItem::Kind::Item: {
            QAction* action = menu->addAction(row.caption(state));
            action->setObjectName(row.name);
            if (row.checked) {
                action->setCheckable(true);
                action->setChecked(row.checked(state));
                if (group)
                    group->addAction(action);
            }
            QObject::connect(action, &QAction::triggered, &controller,
                             [&controller, chosen = row.chosen] { chosen(controller); });
            break;
        }
        }
    }
}

} // namespace

QMenu* buildOptionMenu(const QString& name, const MainState& state, MainController& controller,
                       QWidget* parent)
{
    for (const MenuItem& root : optionMenus()) {
        if (root.name != name)
            continue;
        auto* menu = new QMenu(parent);
        menu->setObjectName(root.name);
        menu->setTitle(root.caption(state));
        addItems(menu, root, state, controller);
        return menu;
    }
    return nullptr;
}

} // namespace kelvaro
