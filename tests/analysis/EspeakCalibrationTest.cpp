#include "RecordedSpeech.h"

#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <iostream>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

/// A reading of text by espeak-ng, analysed; an empty track when espeak-ng failed.
VoiceTrack spoken(const QTemporaryDir& dir, const QString& text, const QString& voice, int speed,
                  VoiceReading reading = VoiceReading::Take)
{
    static int count = 0;
    const QString path = dir.filePath(QStringLiteral("%1.wav").arg(++count));
    if (!speakWithEspeak(text, voice, speed, path))
        return {};
    return analysedWav(path, reading);
}

} // namespace

// The score's scale is set on these readings: the lesson's voice and pace (as the demo course
// is made), against the same sentence in other voices and at other speeds and against another
// sentence of the same lesson.
TEST(EspeakCalibrationTest, TheSameSentenceScoresHighAndAnotherLowInAnyVoice)
{
    if (QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty())
        GTEST_SKIP() << "espeak-ng is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const struct
    {
        const char* sentence;
        const char* other;
    } pairs[] = {
        {"Good morning, Tom. How are you today?", "Not bad. This is my friend, Ben."},
        {"Yes, I just moved here from Canada.", "Are you new here?"},
        {"Go straight on and turn left at the traffic lights.",
         "Then take the second road on the right."},
        {"I have a headache and a sore throat.", "Drink plenty of water and get some rest."},
        {"There's a new film at the cinema. Would you like to come?",
         "At half past three. Let's meet outside at three."},
    };
    const struct
    {
        const char* voice;
        int speed;
    } takes[] = {{"en-us", 175}, {"en-us", 120}, {"en+f3", 130}, {"en+m3", 150}};

    int lowestSame = 100, highestOther = 0;
    double costliestSame = 0, cheapestOther = 1e9;
    for (const auto& pair : pairs) {
        const VoiceTrack lesson =
            spoken(dir, QString::fromUtf8(pair.sentence), "en-us", 130, VoiceReading::Lesson);
        ASSERT_TRUE(lesson.hasSpeech()) << pair.sentence;
        for (const auto& take : takes) {
            SCOPED_TRACE(testing::Message()
                         << pair.sentence << " / " << take.voice << " at " << take.speed);
            const VoiceComparison same = compareVoices(
                lesson, spoken(dir, QString::fromUtf8(pair.sentence), take.voice, take.speed));
            const VoiceComparison other = compareVoices(
                lesson, spoken(dir, QString::fromUtf8(pair.other), take.voice, take.speed));
            EXPECT_GE(same.score, 70) << "cost " << same.alignmentCost;
            // Only the pace differs: no tune or stress fault may be found in another voice.
            EXPECT_TRUE(same.advice == VoiceAdvice::Good || same.advice == VoiceAdvice::TooFast ||
                        same.advice == VoiceAdvice::TooSlow)
                << int(same.advice);
            EXPECT_LE(other.score, 40) << "cost " << other.alignmentCost;
            EXPECT_EQ(other.advice, VoiceAdvice::DifferentWords);
            lowestSame = std::min(lowestSame, same.score);
            costliestSame = std::max(costliestSame, same.alignmentCost);
            cheapestOther = std::min(cheapestOther, other.alignmentCost);
            highestOther = std::max(highestOther, other.score);
        }
    }
    std::cout << "same sentence: scores >= " << lowestSame << ", costs <= " << costliestSame
              << "; other sentences: scores <= " << highestOther << ", costs >= " << cheapestOther
              << std::endl;
}
