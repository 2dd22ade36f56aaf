// Every option menu in the real window: opened from its picture in its mode, its items in order
// with their exact captions, and every check mark matching the live values after each choice.
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/PlayerApplication.h"

#include "app/MainController.h"
#include "app/RepeatScheduler.h"
#include "modes/TranslationReveal.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "QtPrinters.h"
#include "TestFolder.h"
#include "WindowFixture.h"

using namespace kelvaro;

namespace {

const QString kCounts = QStringLiteral("不朗读 1次 2次 3次 5次 8次 10次 20次");
const QString kPauses = QStringLiteral("无间隔 1秒 2秒 3秒 5秒 10秒 20秒 30秒 60秒");
const int kCountValues[] = {0, 1, 2, 3, 5, 8, 10, 20};
const int kPauseValues[] = {10, 1000, 2000, 3000, 5000, 10000, 20000, 30000, 60000};

/// One menu: the mode it belongs to, the picture that opens it, its items as the window lists
/// them (captions; "—" a separator; "caption ▸ (items)" a submenu).
struct MenuRow
{
    Mode mode;
    const char* picture;
    const char* menu;
    const char* title;
    QStringList items;
};

QString family(const char* caption, const QString& items)
{
    return QString::fromUtf8(caption) + QStringLiteral(" ▸ (") + items + u')';
}

const QString kReadCounts = family("朗读次数", kCounts);
const QString kReadPauses = family("间隔时间", kPauses);

const QList<MenuRow>& menuTable()
{
    static const QList<MenuRow> rows = {
        {Mode::FullText,
         "AllSetImage",
         "AllModeSet",
         "全文模式设置",
         {"添加/取消重点词", "设置重点词颜色", "—", kReadCounts, kReadPauses}},
        {Mode::SentenceBrowse,
         "SenModeSetImage",
         "SenModeSet",
         "句子浏览设置",
         {"隐藏中文", "—", kReadCounts, kReadPauses, "—",
          family("播放模式", QStringLiteral("手动进入下一句 自动进入下一句"))}},
        {Mode::Translation,
         "OptionCommand",
         "YL",
         "英汉互译设置",
         {"点出中文", "点出英文", "点出中文和英文"}},
        {Mode::DictationTest,
         "WriteSetImage",
         "WriteSet",
         "听写测试设置",
         {family("选择听写模式", QStringLiteral("自由拼写模式 听写测试模式")), "—",
          family("设置过关分数", QStringLiteral("60分 70分 80分 90分 100分")), "查看评分标准",
          "查看听写成绩", "—", "隐藏中文", "—", kReadCounts, kReadPauses}},
        {Mode::FreeSpelling,
         "PrintSetImage",
         "PenModeSet",
         "自由拼写设置",
         {family("选择听写模式", QStringLiteral("自由拼写模式 听写测试模式")), "—", kReadCounts,
          kReadPauses}},
        {Mode::Recall,
         "ClickWordSetImage",
         "ClickSet",
         "句子回想设置",
         {"隐藏中文", "—", kReadCounts, kReadPauses}},
        {Mode::FillIn,
         "Image3",
         "CurrentWordModeSet",
         "单词填空设置",
         {"提示词义", "提示读音", "提示音标", "提示单词"}},
        // The dictation test's "设置" caption beside its picture opens the same menu.
        {Mode::DictationTest,
         "WriteSetLabel",
         "WriteSet",
         "听写测试设置",
         {family("选择听写模式", QStringLiteral("自由拼写模式 听写测试模式")), "—",
          family("设置过关分数", QStringLiteral("60分 70分 80分 90分 100分")), "查看评分标准",
          "查看听写成绩", "—", "隐藏中文", "—", kReadCounts, kReadPauses}},
    };
    return rows;
}

/// The items of a menu as listed in the table.
QStringList listed(const QMenu* menu)
{
    QStringList items;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("—");
        else if (action->menu())
            items << action->text() + QStringLiteral(" ▸ (") + listed(action->menu()).join(u' ') +
                         u')';
        else
            items << action->text();
    }
    return items;
}

/// Every item that is no submenu, in menu order, submenus' items included.
QList<QAction*> leaves(const QMenu* menu)
{
    QList<QAction*> result;
    for (QAction* action : menu->actions()) {
        if (action->menu())
            result << leaves(action->menu());
        else if (!action->isSeparator())
            result << action;
    }
    return result;
}

/// The names of the checked items of a menu.
QStringList checkedItems(const QMenu* menu)
{
    QStringList names;
    for (QAction* action : leaves(menu)) {
        if (action->isChecked())
            names << action->objectName();
    }
    return names;
}

class MenuTableTest : public WindowFixture
{
protected:
    void TearDown() override
    {
        closeMenu();
        closeWindow();
    }

    const Settings& options() { return state().options; }

    void enter(Mode mode)
    {
        controller().tabClicked(mode == Mode::DictationTest ? Mode::FreeSpelling : mode);
        if (mode == Mode::DictationTest)
            controller().selectDictationTest();
        ASSERT_EQ(state().ModeIndex, mode);
    }

    /// Clicks the row's picture and returns the menu it popped up.
    QMenu* open(const MenuRow& row)
    {
        closeMenu();
        QWidget* picture = window().panel(row.mode)->findChild<QWidget*>(row.picture);
        if (!picture)
            return nullptr;
        QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
        for (QMenu* menu : window().panel(row.mode)->findChildren<QMenu*>(row.menu)) {
            if (menu->isVisible())
                m_menu = menu;
        }
        return m_menu;
    }
    void closeMenu()
    {
        if (m_menu)
            m_menu->close();
        m_menu = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    /// What the live state says item name should show as checked, if it is a checkable item.
    std::optional<bool> liveCheck(const QString& name)
    {
        static const QRegularExpression familyItem(
            QStringLiteral("^(Write|Click|Sen|All|Pen)(ModeRead|ReadTime)(\\d)$"));
        if (const auto m = familyItem.match(name); m.hasMatch()) {
            const std::map<QString, const RepeatOption Settings::*> families = {
                {"Write", &Settings::write},
                {"Click", &Settings::click},
                {"Sen", &Settings::sen},
                {"All", &Settings::all},
                {"Pen", &Settings::pen}};
            const RepeatOption& option = options().*(families.at(m.captured(1)));
            const int i = m.captured(3).toInt();
            return m.captured(2) == QLatin1String("ModeRead") ? option.count == kCountValues[i]
                                                              : option.pauseMs == kPauseValues[i];
        }
        static const QRegularExpression passMark(QStringLiteral("^WriteSet([1-5])$"));
        if (const auto m = passMark.match(name); m.hasMatch())
            return options().setFraction == 110 - 10 * m.captured(1).toInt();
        if (name.startsWith(QLatin1String("SetPlayMode")))
            return options().playMode == name.right(1).toInt() - 1;
        if (name.startsWith(QLatin1String("RS")))
            return revealModeOf(options().translationMode) ==
                   std::map<QString, int>{{"RS1", kPointChinese},
                                          {"RS2", kPointEnglish},
                                          {"RS3", kPointEnglishChinese}}
                       .at(name);
        const std::map<QString, bool> toggles = {
            {"CurrentWordChinese", options().currentWordChinese},
            {"CurrentWordRead", options().currentWordRead},
            {"CurrentWordPron", options().currentWordPron},
            {"CurrentWordEnglish", options().currentWordEnglish}};
        if (toggles.contains(name))
            return toggles.at(name);
        const bool test = options().writeMode == WriteMode::DictationTest;
        if (name == QLatin1String("WordMode1") || name == QLatin1String("PenMode1"))
            return !test;
        if (name == QLatin1String("WordMode2") || name == QLatin1String("PenMode2"))
            return test;
        return std::nullopt;
    }

    /// The value a Chinese toggle flips.
    std::optional<double> chineseValue(const QString& name)
    {
        if (name == QLatin1String("SenModeChinese"))
            return options().senChineseCheck;
        if (name == QLatin1String("ClickSetChinese"))
            return options().clickChineseCheck;
        if (name == QLatin1String("SenSetChinese"))
            return options().wordChineseCheck;
        return std::nullopt;
    }

    /// Whether the line a Chinese toggle shows or hides is visible.
    std::optional<bool> chineseLineVisible(const QString& name)
    {
        if (name == QLatin1String("SenModeChinese"))
            return state().sentence.SenChineseLabel.visible;
        if (name == QLatin1String("ClickSetChinese"))
            return state().recall.ClickWordChineseLabel.visible;
        return std::nullopt;
    }

    /// The message box an item shows: title and text.
    static std::optional<std::pair<QString, QString>> messageOf(const QString& name)
    {
        if (name == QLatin1String("WriteSet6"))
            return std::pair{
                QStringLiteral("评分标准"),
                QStringLiteral("听写中使用渐进提示一次扣除1分，使用直接提示一次扣除5分，"
                               "错误一次扣除3分，最后得分高于设定的过关分数即可完成本"
                               "句听写。")};
        if (name == QLatin1String("SetKeyWord"))
            return std::pair{QStringLiteral("提示"),
                             QStringLiteral("按住键盘上的Ctrl键，用鼠标右键点击单词即可将其设为重点"
                                            "词，再点击则取消。")};
        return std::nullopt;
    }

    /// The checked items a menu should show, read off the live state.
    QStringList expectedChecks(const QMenu* menu)
    {
        QStringList names;
        for (QAction* action : leaves(menu)) {
            if (liveCheck(action->objectName()).value_or(false))
                names << action->objectName();
        }
        return names;
    }

    QMenu* m_menu = nullptr;
};

// Items that switch the view away or open another window are walked by their own tests.
const QStringList kLeavesTheMenusMode = {"WordMode1", "PenMode2", "LookResults", "KeyWordColor"};

} // namespace

TEST_F(MenuTableTest, EveryMenuOpensFromItsPictureWithItsItemsInOrder)
{
    for (const MenuRow& row : menuTable()) {
        SCOPED_TRACE(row.menu);
        enter(row.mode);
        QMenu* menu = open(row);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), QString::fromUtf8(row.title));
        EXPECT_EQ(listed(menu), row.items);
        EXPECT_EQ(checkedItems(menu), expectedChecks(menu));
    }
}

TEST_F(MenuTableTest, EveryChoiceChangesTheValueAndTheCheckMarksFollowIt)
{
    for (const MenuRow& row : menuTable()) {
        enter(row.mode);
        QMenu* menu = open(row);
        ASSERT_NE(menu, nullptr) << row.menu;
        QStringList names;
        for (QAction* action : leaves(menu))
            names << action->objectName();
        for (const QString& name : names) {
            if (kLeavesTheMenusMode.contains(name))
                continue;
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(row.menu), name).toStdString());
            menu = open(row);
            ASSERT_NE(menu, nullptr);
            QAction* item = menu->findChild<QAction*>(name);
            ASSERT_NE(item, nullptr);
            const QString caption = item->text();
            const std::optional<bool> before = liveCheck(name);
            const std::optional<double> chineseBefore = chineseValue(name);
            const RepeatFamily* family = repeatFamily(row.mode);
            const RepeatOption repeatBefore = family ? options().*(family->option) : RepeatOption{};
            item->trigger();
            closeMenu();
            const auto message = messageOf(name);
            if (message) {
                ASSERT_EQ(dialogs.messages().size(), 1);
                EXPECT_EQ(dialogs.messages()[0].title, message->first);
                EXPECT_EQ(dialogs.messages()[0].text, message->second);
            } else
                EXPECT_TRUE(dialogs.messages().isEmpty());
            dialogs.clear();
            EXPECT_EQ(state().ModeIndex, row.mode);
            menu = open(row);
            ASSERT_NE(menu, nullptr);
            const std::optional<bool> after = liveCheck(name);
            if (before) {
                // A toggle flips; a family item is chosen.
                const bool toggle = name.startsWith(QLatin1String("CurrentWord"));
                EXPECT_EQ(*after, toggle ? !*before : true);
            }
            EXPECT_EQ(checkedItems(menu), expectedChecks(menu));
            if (chineseBefore) {
                // The line flips, and the caption names the next action.
                const double now = *chineseValue(name);
                EXPECT_EQ(now, *chineseBefore == 0 ? 1 : 0);
                EXPECT_EQ(menu->findChild<QAction*>(name)->text(),
                          now != 0 ? QStringLiteral("隐藏中文") : QStringLiteral("显示中文"));
                EXPECT_NE(menu->findChild<QAction*>(name)->text(), caption);
                if (const std::optional<bool> visible = chineseLineVisible(name))
                    EXPECT_EQ(*visible, now != 0);
            }
            const bool count = name.contains(QLatin1String("ModeRead"));
            if (family && (count || name.contains(QLatin1String("ReadTime")))) {
                // A count leaves the pause as it was and a pause the count; the mode's pause
                // timer waits the pause.
                const RepeatOption& now = options().*(family->option);
                if (count)
                    EXPECT_EQ(now.pauseMs, repeatBefore.pauseMs);
                else
                    EXPECT_EQ(now.count, repeatBefore.count);
                EXPECT_EQ((controller().context().timers.*(family->pauseTimer))->interval(),
                          now.pauseMs);
            }
            if (name.startsWith(QLatin1String("WriteSet")) && name != QLatin1String("WriteSet6")) {
                // A pass mark's caption is the mark it sets.
                EXPECT_EQ(menu->findChild<QAction*>(name)->text(),
                          QString::number(options().setFraction) + QStringLiteral("分"));
            }
        }
        closeMenu();
    }
}

TEST_F(MenuTableTest, TheItemsThatLeaveTheMenusView)
{
    const MenuRow& fullText = menuTable()[0];
    enter(Mode::FullText);
    open(fullText)->findChild<QAction*>(QStringLiteral("KeyWordColor"))->trigger();
    EXPECT_EQ(dialogs.colourRequests().size(), 1);

    // The other sub-mode's item switches; each menu then marks the sub-mode shown.
    const MenuRow& test = menuTable()[3];
    const MenuRow& free = menuTable()[4];
    enter(Mode::DictationTest);
    open(test)->findChild<QAction*>(QStringLiteral("WordMode1"))->trigger();
    EXPECT_EQ(state().ModeIndex, Mode::FreeSpelling);
    EXPECT_EQ(options().writeMode, WriteMode::FreeSpelling);
    EXPECT_EQ(checkedItems(open(free)).mid(0, 1), QStringList{"PenMode1"});
    open(free)->findChild<QAction*>(QStringLiteral("PenMode2"))->trigger();
    EXPECT_EQ(state().ModeIndex, Mode::DictationTest);
    EXPECT_EQ(checkedItems(open(test)).mid(0, 1), QStringList{"WordMode2"});

    open(test)->findChild<QAction*>(QStringLiteral("LookResults"))->trigger();
    EXPECT_TRUE(state().results.visible);
}

TEST_F(MenuTableTest, AFreshFolderChecksTheFirstRunPassMark)
{
    enter(Mode::DictationTest);
    QMenu* menu = open(menuTable()[3]);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("WriteSet3"))->isChecked()); // 80
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("WriteSet5"))->text(),
              QStringLiteral("60分"));
    EXPECT_NE(menu->findChild<QAction*>(QStringLiteral("WriteModeRead1")), nullptr);
    EXPECT_NE(menu->findChild<QAction*>(QStringLiteral("WriteReadTime8")), nullptr);
    EXPECT_EQ(menu->findChild<QAction*>(QStringLiteral("LookResults"))->text(),
              QStringLiteral("查看听写成绩"));
}

TEST_F(MenuTableTest, AValueNoItemOffersChecksNothingAndIsKept)
{
    controller().setRepeatCount(Mode::SentenceBrowse, 4);
    enter(Mode::SentenceBrowse);
    QMenu* menu = open(menuTable()[1]);
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("SenModeRead%1").arg(i))->isChecked())
            << i;
    }
    EXPECT_EQ(options().sen.count, 4);
}
