#include "FakeClock.h"
#include "FakeMediaPlayer.h"
#include "FakeTimer.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace kelvaro;

// The fakes carry every timeline test: a clock that fired out of order or a player whose
// position ran while paused would make those tests pass or fail for the wrong reason.

TEST(FakeClock, FiresDueTimersInTimeOrderAndRepeats)
{
    FakeClock clock;
    FakeTimer slow(clock);
    FakeTimer fast(clock);
    QStringList fired;
    slow.setHandler([&] { fired.append(QStringLiteral("slow@%1").arg(clock.now())); });
    fast.setHandler([&] { fired.append(QStringLiteral("fast@%1").arg(clock.now())); });
    slow.setInterval(30);
    fast.setInterval(20);
    slow.setEnabled(true);
    fast.setEnabled(true);

    clock.advance(19);
    EXPECT_TRUE(fired.isEmpty());
    clock.advance(46);
    // At 60 both are due: the one scheduled first (slow, at 30) fires first.
    EXPECT_EQ(fired, QStringList({"fast@20", "slow@30", "fast@40", "slow@60", "fast@60"}));
    EXPECT_EQ(clock.now(), 65);
}

TEST(FakeClock, HandlersSwitchTimersAndEnablingRestartsTheInterval)
{
    FakeClock clock;
    FakeTimer oneShot(clock);
    FakeTimer follower(clock);
    QStringList fired;
    oneShot.setInterval(10);
    follower.setInterval(100);
    oneShot.setHandler([&] {
        fired.append(QStringLiteral("oneShot@%1").arg(clock.now()));
        oneShot.setEnabled(false);
        follower.setEnabled(true); // counts from 10, not from 0
    });
    follower.setHandler([&] { fired.append(QStringLiteral("follower@%1").arg(clock.now())); });
    oneShot.setEnabled(true);

    clock.advance(150);
    EXPECT_EQ(fired, QStringList({"oneShot@10", "follower@110"}));
    EXPECT_EQ(oneShot.timesFired(), 1);

    // Enabling an enabled timer starts its interval again from now.
    clock.advance(50); // now 200, follower due at 210
    follower.setEnabled(true);
    clock.advance(99);
    EXPECT_EQ(follower.timesFired(), 1);
    clock.advance(1);
    EXPECT_EQ(follower.timesFired(), 2);
}

TEST(FakeMediaPlayer, PositionRunsOnlyWhilePlayingAndEveryCallIsLogged)
{
    FakeClock clock;
    FakeMediaPlayer player(&clock);
    player.setFile(QStringLiteral("/a.mp3"));
    player.setPosition(1.5);
    clock.advance(500);
    EXPECT_DOUBLE_EQ(player.position(), 1.5);

    player.play();
    clock.advance(250);
    EXPECT_DOUBLE_EQ(player.position(), 1.75);
    player.setPosition(4); // a seek while playing runs on from there
    clock.advance(100);
    EXPECT_DOUBLE_EQ(player.position(), 4.1);
    player.pause();
    clock.advance(1000);
    EXPECT_DOUBLE_EQ(player.position(), 4.1);
    EXPECT_FALSE(player.isPlaying());
    player.stop();
    EXPECT_DOUBLE_EQ(player.position(), 0);

    EXPECT_EQ(player.calls(), QStringList({"setFile /a.mp3", "setPosition 1.5", "play",
                                           "setPosition 4", "pause", "stop"}));
}
