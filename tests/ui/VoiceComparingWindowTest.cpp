// The read-after analyses on the real background work: off the window's thread, back on it,
// and in the real window after "停止".
#include "ui/MainWindow.h"
#include "ui/PlayerApplication.h"
#include "ui/QtBackgroundWork.h"

#include "app/MainController.h"

#include <QPushButton>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <memory>
#include <numbers>

#include "FakeDialogs.h"
#include "FakeVoiceRecorder.h"
#include "TestFolder.h"

using namespace kelvaro;

TEST(QtBackgroundWork, TheJobRunsOffTheWindowThreadAndItsResultBackOnIt)
{
    QtBackgroundWork work;
    std::atomic<QThread*> jobThread = nullptr;
    QThread* resultThread = nullptr;
    int results = 0;
    work.run([&]() -> BackgroundWork::Continuation {
        jobThread = QThread::currentThread();
        return [&] {
            resultThread = QThread::currentThread();
            ++results;
        };
    });
    // A job with nothing to hand back is fine too.
    work.run([]() -> BackgroundWork::Continuation { return {}; });
    EXPECT_EQ(results, 0); // never delivered inside run()
    QTRY_COMPARE(results, 1);
    EXPECT_NE(jobThread.load(), QThread::currentThread());
    EXPECT_EQ(resultThread, QThread::currentThread());
}

TEST(QtBackgroundWork, GoingAwayWaitsForTheJobAndDropsItsResult)
{
    auto work = std::make_unique<QtBackgroundWork>();
    std::atomic<bool> finished = false;
    bool delivered = false;
    work->run([&]() -> BackgroundWork::Continuation {
        QThread::msleep(50);
        finished = true;
        return [&] { delivered = true; };
    });
    work.reset();
    EXPECT_TRUE(finished);
    QTest::qWait(50);
    EXPECT_FALSE(delivered);
}

TEST(VoiceComparingWindow, StopShowsTheComparisonOfTheTakeInTheRealWindow)
{
    TestFolder folder;
    ASSERT_TRUE(folder.isValid());
    FakeDialogs dialogs;
    FakeVoiceRecorder recorder;
    std::vector<short> take(kVoiceRate);
    for (size_t i = 0; i < take.size(); ++i)
        take[i] = short(8000 * std::sin(2 * std::numbers::pi * 180 * double(i) / kVoiceRate));
    recorder.setTake(take);
    PlayerApplication player(folder.root(), &dialogs, &recorder);
    ASSERT_TRUE(player.start());
    const MainState& state = player.controller().state();

    player.controller().tabClicked(Mode::ReadAfter);
    // The sentence's reading (1.1 s of the test recording) arrives without any event of ours.
    QTRY_VERIFY(state.readAfter.lessonVoice != nullptr);
    EXPECT_NEAR(state.readAfter.lessonVoice->seconds, 1.1, 0.011);

    auto* record = player.window().findChild<QPushButton*>(QStringLiteral("RecordCommand"));
    auto* stop = player.window().findChild<QPushButton*>(QStringLiteral("RecordStopCommand"));
    ASSERT_NE(record, nullptr);
    ASSERT_NE(stop, nullptr);
    record->click();
    ASSERT_TRUE(stop->isEnabled());
    stop->click();
    EXPECT_EQ(state.readAfter.comparison, nullptr); // computed off the window's thread
    QTRY_VERIFY(state.readAfter.comparison != nullptr);
    EXPECT_NEAR(state.readAfter.comparison->take.seconds, 1.0, 0.011);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}
