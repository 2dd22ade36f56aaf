#include "playback/FeedLedger.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

TEST(FeedLedger, DevicePlaybackBecomesSourceFramesHeard)
{
    // Lead-in, some sound, padding while dry, more sound after a fence moved on.
    FeedLedger ledger;
    ledger.addSilence(160);
    ledger.addSource(400);
    ledger.addSource(100);
    ledger.addSilence(300);
    ledger.addSource(200);
    ledger.addSilence(0);
    struct Query
    {
        qint64 played;
        qint64 heard;
    };
    const Query queries[] = {{0, 0},     {159, 0},   {160, 0},   {161, 1},    {660, 500},
                             {700, 500}, {960, 500}, {961, 501}, {1160, 700}, {5000, 700}};
    for (const Query& q : queries)
        EXPECT_EQ(ledger.sourceFramesWithin(q.played), q.heard) << q.played;
    EXPECT_EQ(ledger.deviceFrames(), 1160);
    EXPECT_EQ(ledger.sourceFrames(), 700);
    EXPECT_EQ(ledger.deviceFramesToSourceEnd(), 1160);
    ledger.addSilence(40);
    EXPECT_EQ(ledger.deviceFramesToSourceEnd(), 1160);
    ledger.clear();
    EXPECT_EQ(ledger.sourceFramesWithin(100), 0);
}

} // namespace
} // namespace kelvaro
