#include "SpokenFixture.h"

#include "align/SentenceAligner.h"
#include "align/SentenceBoundaries.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

const QStringList kSentences = {
    QStringLiteral("Good morning, Lily!"),
    QStringLiteral("Good morning, Tom. How are you today?"),
    QStringLiteral("I'm fine, thanks. And you?"),
    QStringLiteral("Not bad. This is my friend, Ben."),
    QStringLiteral("Nice to meet you, Ben."),
    QStringLiteral("Where is the nearest bank, please?"),
    QStringLiteral("Go straight on and turn left at the second corner."),
};

std::string describe(const SpokenFixture& fixture, const QVector<AlignedSentence>& aligned)
{
    std::string out;
    for (int k = 0; k < aligned.size(); ++k)
        out += QStringLiteral("%1..%2 speech %3..%4\n")
                   .arg(aligned[k].startMs)
                   .arg(aligned[k].endMs)
                   .arg(fixture.speechMs[size_t(k)].first)
                   .arg(fixture.speechMs[size_t(k)].second)
                   .toStdString();
    return out;
}

TEST(SentenceAligner, EachSentenceHoldsItsOwnSpeechAndNoneOfItsNeighbours)
{
    struct Case
    {
        const char* what;
        std::function<SpokenFixture()> make;
        std::vector<qint64> priorShiftMs; ///< empty: plain text; else timed, off by these
    };
    FixturePlan noisy;
    noisy.pausesMs = {600, 1200, 500};
    noisy.noise = 0.02f;
    noisy.speedSpread = 0.15;
    FixturePlan slowMan;
    slowMan.voice = EspeakVoice{"en-us+m3", 120, 30};
    slowMan.pausesMs = {1000, 500, 1500};
    const std::vector<Case> cases = {
        {"another voice, pauses of 0.5 to 1.5 s",
         [] {
             FixturePlan plan;
             plan.pausesMs = {500, 1500, 800};
             return spokenFixture(kSentences, plan);
         },
         {}},
        {"noise under a voice of uneven pace",
         [&] { return spokenFixture(kSentences, noisy); },
         {}},
        {"a slower, lower voice", [&] { return spokenFixture(kSentences, slowMan); }, {}},
        {"a person's voice (alsa-utils)",
         [] {
             return alsaFixture({500, 900, 1300});
         },
         {}},
        {"a timed transcript up to a second off",
         [&] { return spokenFixture(kSentences, noisy); },
         {700, -900, 400, -300, 1000, -600, 200}},
    };
    for (const Case& c : cases) {
        const SpokenFixture fixture = c.make();
        if (!fixture.ok) {
            ADD_FAILURE() << c.what << ": no fixture (espeak-ng or alsa-utils missing)";
            continue;
        }
        AlignOptions options;
        for (size_t k = 0; k < c.priorShiftMs.size(); ++k)
            options.priorMs.emplace_back(fixture.speechMs[k].first + c.priorShiftMs[k],
                                         fixture.speechMs[k].second + c.priorShiftMs[k]);
        const Result<QVector<AlignedSentence>> aligned =
            alignSentences(fixture.samples, kSpokenRate, fixture.sentences, options);
        ASSERT_TRUE(aligned.ok()) << c.what << ": " << aligned.error().toStdString();
        ASSERT_EQ(aligned->size(), fixture.sentences.size()) << c.what;
        const BoundaryReport report = measureBoundaries(*aligned, fixture.speechMs);
        EXPECT_EQ(report.ownSpeechCut, 0) << c.what << "\n" << describe(fixture, *aligned);
        EXPECT_EQ(report.neighbourIncluded, 0) << c.what << "\n" << describe(fixture, *aligned);
        // In the pause, close to the speech: no sentence carries a long silence.
        EXPECT_LE(report.worstMs(), 250) << c.what << "\n" << describe(fixture, *aligned);
        for (const AlignedSentence& sentence : *aligned) {
            EXPECT_GE(sentence.confidence, 0.0) << c.what;
            EXPECT_LE(sentence.confidence, 1.0) << c.what;
        }
    }
}

TEST(SentenceAligner, RefusesTextThatIsNotWhatTheRecordingSaysAndStopsWhenCancelled)
{
    FixturePlan plan;
    plan.pausesMs = {500, 1500, 800};
    const SpokenFixture fixture = spokenFixture(kSentences, plan);
    ASSERT_TRUE(fixture.ok);
    QStringList reordered = kSentences;
    std::reverse(reordered.begin(), reordered.end());
    const QStringList other = {
        QStringLiteral("The weather will be warm and sunny all weekend long."),
        QStringLiteral("Please remember to bring your umbrella tomorrow."),
        QStringLiteral("Our train leaves at half past seven from platform nine."),
        QStringLiteral("She bought three apples and a loaf of bread."),
        QStringLiteral("Mathematics is my favourite subject at school."),
        QStringLiteral("They played football in the park after dinner."),
        QStringLiteral("Could you open the window, please?")};
    const SpokenFixture firstTwo = spokenFixture(kSentences.mid(0, 2), plan);
    ASSERT_TRUE(firstTwo.ok);
    std::atomic_bool cancel{true};
    AlignOptions cancelled;
    cancelled.cancel = &cancel;
    struct Refusal
    {
        const char* what;
        const SpokenFixture& recording;
        QStringList text;
        AlignOptions options;
        QString says;
    };
    const std::vector<Refusal> refusals = {
        {"other sentences", fixture, other, {}, QStringLiteral("不相符")},
        {"the same sentences in another order", fixture, reordered, {}, QStringLiteral("不相符")},
        {"a text far longer than the recording", firstTwo, kSentences, {}, QStringLiteral("短")},
        {"cancelled", fixture, kSentences, cancelled, QStringLiteral("取消")},
    };
    for (const Refusal& r : refusals) {
        const Result<QVector<AlignedSentence>> aligned =
            alignSentences(r.recording.samples, kSpokenRate, r.text, r.options);
        ASSERT_FALSE(aligned.ok()) << r.what;
        EXPECT_TRUE(aligned.error().contains(r.says))
            << r.what << ": " << aligned.error().toStdString();
    }
}

TEST(SentenceAligner, ReportsProgressSteadilyToTheEnd)
{
    const SpokenFixture fixture = spokenFixture(kSentences.mid(0, 3), FixturePlan());
    ASSERT_TRUE(fixture.ok);
    std::vector<int> seen;
    AlignOptions options;
    options.progress = [&seen](int percent) { seen.push_back(percent); };
    ASSERT_TRUE(alignSentences(fixture.samples, kSpokenRate, fixture.sentences, options).ok());
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(seen.back(), 100);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_GE(seen.size(), 20u);
}

TEST(SentenceBoundaries, EdgesGoIntoTheFittingPauseOrMeetHalfWay)
{
    // Frames of 10 ms; the warp's guesses [begin, end) of each sentence's speech.
    struct Case
    {
        const char* what;
        std::vector<std::pair<int, int>> speech;
        std::vector<SpeechPause> pauses;
        int frames;
        std::vector<SentenceSpan> expected;
    };
    const std::vector<Case> cases = {
        {"a long pause beats a stop's closure nearer the guess",
         {{50, 200}, {260, 400}},
         {{0, 45}, {190, 206}, {230, 290}, {410, 500}},
         500,
         {{30, 245, true, true}, {275, 425, true, true}}},
        {"no pause near: the neighbours meet half-way",
         {{50, 200}, {210, 400}},
         {{0, 45}, {410, 500}},
         500,
         {{30, 205, true, false}, {205, 425, false, true}}},
        {"speech from the first frame to the last",
         {{0, 100}, {130, 200}},
         {{105, 125}},
         200,
         {{0, 113, false, true}, {117, 200, true, false}}},
        {"two gaps never take the same pause, nor do spans overlap",
         {{10, 100}, {105, 110}, {115, 200}},
         {{0, 5}, {102, 140}},
         200,
         {{0, 117, true, true}, {125, 125, true, false}, {125, 200, false, false}}},
    };
    for (const Case& c : cases) {
        const std::vector<SentenceSpan> spans = snapToPauses(c.speech, c.pauses, c.frames);
        ASSERT_EQ(spans.size(), c.expected.size()) << c.what;
        for (size_t k = 0; k < spans.size(); ++k) {
            EXPECT_EQ(spans[k].begin, c.expected[k].begin) << c.what << " sentence " << k;
            EXPECT_EQ(spans[k].end, c.expected[k].end) << c.what << " sentence " << k;
            EXPECT_EQ(spans[k].beginInPause, c.expected[k].beginInPause) << c.what << " " << k;
            EXPECT_EQ(spans[k].endInPause, c.expected[k].endInPause) << c.what << " " << k;
        }
    }
}

} // namespace
