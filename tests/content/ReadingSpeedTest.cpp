#include "content/ReadingSpeed.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace kelvaro;

TEST(ReadingSpeed, StepsGoByTenthsWithinTheRangeAndTheSlowSpeedIsOneClickAway)
{
    const struct
    {
        double from;
        int steps;
        double to;
    } steps[] = {
        {1.0, -1, 0.9}, {1.0, 1, 1.1},  {0.5, -1, 0.5},  {1.5, 1, 1.5}, {0.6, -3, 0.5},
        {1.4, 2, 1.5},  {0.75, 1, 0.8}, {0.75, -1, 0.7}, {0.7, 1, 0.8}, {0.8, -1, 0.7},
        {1.0, -5, 0.5}, {0.3, 1, 1.1}, // a speed out of the range counts as 1
    };
    for (const auto& s : steps)
        EXPECT_DOUBLE_EQ(steppedSpeed(s.from, s.steps), s.to) << s.from << " by " << s.steps;

    EXPECT_DOUBLE_EQ(slowSpeedToggled(1.0), 0.75);
    EXPECT_DOUBLE_EQ(slowSpeedToggled(1.3), 0.75);
    EXPECT_DOUBLE_EQ(slowSpeedToggled(0.75), 1.0);
}

TEST(ReadingSpeed, CaptionsAndOddValues)
{
    EXPECT_EQ(speedCaption(1.0), QStringLiteral("1.0×"));
    EXPECT_EQ(speedCaption(0.7), QStringLiteral("0.7×"));
    EXPECT_EQ(speedCaption(0.75), QStringLiteral("0.75×"));
    EXPECT_EQ(speedCaption(1.5), QStringLiteral("1.5×"));
    for (double odd : {0.0, -1.0, 0.49, 1.51, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        EXPECT_EQ(normalisedSpeed(odd), 1.0) << odd;
    EXPECT_DOUBLE_EQ(normalisedSpeed(0.7000001), 0.7);
}

TEST(ReadingSpeed, TheFileKeepsTheSpeedAndAnythingElseReadsAsOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Speed.dat"));
    EXPECT_EQ(loadReadingSpeed(path), 1.0); // no file yet
    ASSERT_TRUE(saveReadingSpeed(path, 0.75));
    EXPECT_EQ(loadReadingSpeed(path), 0.75);
    ASSERT_TRUE(saveReadingSpeed(path, 1.3));
    EXPECT_EQ(loadReadingSpeed(path), 1.3);

    for (const QByteArray& bytes : {QByteArray("fast\n"), QByteArray("9\n"), QByteArray()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_EQ(loadReadingSpeed(path), 1.0) << bytes.constData();
    }

    const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/Speed.dat"));
    const Status failed = saveReadingSpeed(unwritable, 0.8);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.error().contains(unwritable));
}
