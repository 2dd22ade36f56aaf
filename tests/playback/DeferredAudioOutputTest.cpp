// The player's outputs wait with their sound device until the window has painted: what was
// asked of them before must happen once the device is there, and nothing else.
#include "playback/DeferredAudioOutput.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace kelvaro;

namespace {

class RecordingOutput : public AudioOutput
{
public:
    explicit RecordingOutput(QStringList& log) : m_log(log) {}
    void start(const AudioFormat& format, AudioSource*) override
    {
        m_log << QStringLiteral("start %1").arg(format.rate);
    }
    void stop() override { m_log << QStringLiteral("stop"); }
    void resume() override { m_log << QStringLiteral("resume"); }
    qint64 heardFrames() const override { return 7; }
    void setVolume(double gain) override { m_log << QStringLiteral("volume %1").arg(gain); }

private:
    QStringList& m_log;
};

class NoSource : public AudioSource
{
public:
    qint64 readFrames(qint16*, qint64) override { return 0; }
};

struct Deferred
{
    QStringList log;
    int made = 0;
    DeferredAudioOutput output{[this] {
        log << QStringLiteral("made");
        ++made;
        return std::make_unique<RecordingOutput>(log);
    }};
};

AudioFormat rate(int sampleRate)
{
    AudioFormat format;
    format.rate = sampleRate;
    return format;
}

} // namespace

TEST(DeferredAudioOutput, AHeldStreamBeginsWhenTheDeviceIsMade)
{
    Deferred d;
    NoSource source;
    d.output.holdUntilOpen();
    d.output.setVolume(0.5);
    d.output.start(rate(22050), &source);
    d.output.resume();
    EXPECT_EQ(d.made, 0);
    EXPECT_EQ(d.output.heardFrames(), 0);
    d.output.open();
    d.output.open();
    EXPECT_EQ(d.log, (QStringList{"made", "volume 0.5", "start 22050"}));
    EXPECT_EQ(d.output.heardFrames(), 7);
}

TEST(DeferredAudioOutput, OnlyTheLastStreamAskedForIsStartedAndAStoppedOneNot)
{
    Deferred d;
    NoSource source;
    d.output.holdUntilOpen();
    d.output.start(rate(22050), &source);
    d.output.start(rate(44100), &source);
    d.output.open();
    EXPECT_EQ(d.log, (QStringList{"made", "start 44100"}));

    Deferred stopped;
    stopped.output.holdUntilOpen();
    stopped.output.start(rate(22050), &source);
    stopped.output.stop();
    stopped.output.open();
    EXPECT_EQ(stopped.log, (QStringList{"made"}));
}

TEST(DeferredAudioOutput, WithoutHoldingTheFirstStreamMakesTheDevice)
{
    Deferred d;
    NoSource source;
    d.output.stop(); // nothing to stop yet: no device is made for it
    EXPECT_EQ(d.made, 0);
    d.output.start(rate(16000), &source);
    d.output.stop();
    EXPECT_EQ(d.log, (QStringList{"made", "start 16000", "stop"}));
}
