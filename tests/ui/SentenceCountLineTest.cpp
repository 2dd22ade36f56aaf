// The count line of sentence browse ("本课共有12句，当前是第10句") beside the Chinese toggle.
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"

#include "app/MainController.h"
#include "app/SentenceDisplay.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "LessonTexts.h"
#include "TestFolder.h"

using namespace kelvaro;

// Regression: from 10 sentences on, the line was cut at its left edge at the normal size.
TEST(SentenceCountLine, TheWholeLineFitsItsPlaceInEveryWindowMode)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    QStringList records;
    for (int s = 1; s <= 12; ++s)
        records.append(lessonRecord(QStringLiteral("^Word $word$^number$number$^.^"),
                                    QStringLiteral("第%1句。").arg(s), QString::number(2 * s - 1),
                                    QString::number(2 * s)));
    ASSERT_TRUE(folder.writeCp936(QStringLiteral("Book/Kelvaro/1.dat"), lessonText(records)));
    FakeDialogs dialogs;
    PlayerApplication player(folder.root(), &dialogs);
    ASSERT_TRUE(player.start());
    MainWindow& window = player.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    MainController& controller = player.controller();
    controller.tabClicked(Mode::SentenceBrowse);
    auto* line = window.findChild<QLabel*>(QStringLiteral("SenCountLine"));
    ASSERT_NE(line, nullptr);
    const QRect place = line->geometry();

    const auto fits = [line] {
        return QFontMetrics(line->font()).horizontalAdvance(line->text()) <=
               line->contentsRect().width();
    };
    // A short line keeps the style's size; a long one takes a smaller step, not another place.
    goToSentence(controller.context(), 1, false);
    window.refresh();
    EXPECT_EQ(line->text(), QStringLiteral("本课共有12句，当前是第1句"));
    EXPECT_TRUE(fits());
    goToSentence(controller.context(), 10, false);
    window.refresh();
    EXPECT_EQ(line->text(), QStringLiteral("本课共有12句，当前是第10句"));
    EXPECT_TRUE(fits());
    EXPECT_EQ(line->geometry(), place);

    controller.maximise();
    QApplication::processEvents();
    EXPECT_TRUE(fits());
    controller.restore();
    QApplication::processEvents();
    EXPECT_TRUE(fits());
    EXPECT_EQ(line->geometry(), place);
    window.close();
}
