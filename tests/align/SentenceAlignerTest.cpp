#include "SpokenFixture.h"

#include "align/SentenceAligner.h"

#include <gtest/gtest.h>

#include <cstdio>

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

void show(const char* what, const SpokenFixture& f, const Result<QVector<AlignedSentence>>& r)
{
    if (!r) {
        std::printf("%s: %s\n", what, qPrintable(r.error()));
        return;
    }
    for (int k = 0; k < r->size(); ++k)
        std::printf("  %5lld..%5lld  truth %5lld..%5lld  conf %.2f\n", (long long)(*r)[k].startMs,
                    (long long)(*r)[k].endMs, (long long)f.speechMs[size_t(k)].first,
                    (long long)f.speechMs[size_t(k)].second, (*r)[k].confidence);
    const BoundaryReport b = measureBoundaries(*r, f.speechMs);
    std::printf("%s: median %lld worst %lld cut %d neighbour %d\n", what, (long long)b.medianMs(),
                (long long)b.worstMs(), b.ownSpeechCut, b.neighbourIncluded);
}

TEST(Probe, Figures)
{
    FixturePlan plan;
    plan.pausesMs = {500, 1500, 800};
    SpokenFixture clean = spokenFixture(kSentences, plan);
    ASSERT_TRUE(clean.ok);
    show("f3 clean", clean, alignSentences(clean.samples, kSpokenRate, clean.sentences));
    plan.noise = 0.02f;
    plan.speedSpread = 0.15;
    SpokenFixture noisy = spokenFixture(kSentences, plan);
    show("f3 noisy", noisy, alignSentences(noisy.samples, kSpokenRate, noisy.sentences));
    SpokenFixture alsa = alsaFixture({500, 900, 1300});
    show("alsa", alsa, alignSentences(alsa.samples, kSpokenRate, alsa.sentences));
    QStringList wrong = kSentences;
    std::reverse(wrong.begin(), wrong.end());
    show("wrong", clean, alignSentences(clean.samples, kSpokenRate, wrong));
    QStringList other = {QStringLiteral("The weather will be warm and sunny all weekend long."),
                         QStringLiteral("Please remember to bring your umbrella tomorrow."),
                         QStringLiteral("Our train leaves at half past seven from platform nine."),
                         QStringLiteral("She bought three apples and a loaf of bread."),
                         QStringLiteral("Mathematics is my favourite subject at school."),
                         QStringLiteral("They played football in the park after dinner."),
                         QStringLiteral("Could you open the window, please?")};
    show("other", clean, alignSentences(clean.samples, kSpokenRate, other));
}

} // namespace
