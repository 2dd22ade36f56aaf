#include "TrackPlan.h"
#include "WavFile.h"

#include <QtEndian>

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

TEST(TrackPlan, StartAndEndHoldTheWholeSentenceAndNothingOfItsNeighbours)
{
    // Odd lengths and a rate that is no multiple of 1000 exercise the rounding.
    const TrackTiming timing{22050, 6615, 13230, 26460, 882, 2646};
    const QVector<QVector<qsizetype>> lengths = {{20001, 1, 33333}, {7777}, {}, {12345, 54321}};
    const TrackPlan plan = planTrack(lengths, timing);
    ASSERT_EQ(plan.lessons.size(), lengths.size());

    // The player turns a time into a sample as round(seconds x rate).
    auto sampleAt = [&](qint64 ms) {
        return qsizetype(std::llround(ms / 1000.0 * timing.sampleRate));
    };
    QVector<PlacedSentence> all;
    for (qsizetype l = 0; l < lengths.size(); ++l) {
        ASSERT_EQ(plan.lessons[l].size(), lengths[l].size());
        for (qsizetype i = 0; i < lengths[l].size(); ++i) {
            const PlacedSentence& s = plan.lessons[l][i];
            EXPECT_EQ(s.end - s.first, lengths[l][i]);
            EXPECT_LE(sampleAt(s.startMs), s.first - timing.leadMargin);
            EXPECT_GE(sampleAt(s.endMs), s.end + timing.tailMargin);
            // Rounding to whole milliseconds adds less than one millisecond each side.
            EXPECT_GT(sampleAt(s.startMs), s.first - timing.leadMargin - 23);
            EXPECT_LT(sampleAt(s.endMs), s.end + timing.tailMargin + 23);
            all.append(s);
        }
    }
    EXPECT_EQ(all.first().first, timing.leadIn);
    for (qsizetype i = 1; i < all.size(); ++i) {
        EXPECT_LT(sampleAt(all[i - 1].endMs), sampleAt(all[i].startMs));
        EXPECT_GE(all[i].first - all[i - 1].end, timing.sentenceGap);
    }
    // A new lesson starts after the longer pause.
    EXPECT_EQ(plan.lessons[1][0].first - plan.lessons[0][2].end, timing.lessonGap);
    EXPECT_EQ(plan.totalSamples, all.last().end + timing.sentenceGap);
}

TEST(TrackPlan, RenderPutsEachSentenceAtItsPlaceInSilence)
{
    const TrackTiming timing{1000, 5, 4, 6, 1, 1};
    const TrackPlan plan = planTrack({{2, 1}, {3}}, timing);
    const QVector<qint16> track = renderTrack(plan, {{{1, 2}, {3}}, {{4, 5, 6}}});
    // lead-in 5 | 1 2 | gap 4 | 3 | lesson gap 6 | 4 5 6 | tail 4
    const QVector<qint16> expected = {0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0, 3, 0,
                                      0, 0, 0, 0, 0, 4, 5, 6, 0, 0, 0, 0};
    EXPECT_EQ(track, expected);
}

TEST(WavFile, AudibleSpanAndTrimmingKeepEverySampleAboveTheThreshold)
{
    const QVector<qint16> samples = {0, 3, -8, 9, 0, 0, -9, 2, 0};
    const SampleSpan span = audibleSpan(samples, 8);
    EXPECT_EQ(span.first, 3);
    EXPECT_EQ(span.end, 7);
    EXPECT_EQ(audibleSpan({0, 8, -8}, 8).size(), 0);

    const MonoSound trimmed = trimmedSound({16000, samples}, 8, 2);
    EXPECT_EQ(trimmed.sampleRate, 16000);
    EXPECT_EQ(trimmed.samples, (QVector<qint16>{0, 0, 9, 0, 0, -9, 0, 0}));
}

TEST(WavFile, RoundTripsAndReadsStreamedHeaders)
{
    const MonoSound sound{22050, {0, 1, -1, 32767, -32768}};
    QByteArray bytes = wavBytes(sound);
    ASSERT_EQ(bytes.size(), 44 + 10);
    Result<MonoSound> read = parseMonoWav(bytes, QStringLiteral("a.wav"));
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->sampleRate, 22050);
    EXPECT_EQ(read->samples, sound.samples);

    // A writer that streams leaves the data size at its maximum.
    bytes[40] = bytes[41] = bytes[42] = bytes[43] = char(0xff);
    read = parseMonoWav(bytes, QStringLiteral("a.wav"));
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->samples, sound.samples);

    // The same bytes as a well-formed stereo file: two channels, four bytes a frame.
    QByteArray stereo = wavBytes(sound);
    stereo[22] = 2;
    qToLittleEndian<quint32>(22050 * 4, stereo.data() + 28);
    stereo[32] = 4;
    EXPECT_EQ(parseMonoWav(stereo, QStringLiteral("b.wav")).error(),
              QStringLiteral("The sound \"b.wav\" is not mono: it has 2 channels."));
    EXPECT_EQ(parseMonoWav("RIFF", QStringLiteral("c.wav")).error(),
              QStringLiteral("The sound \"c.wav\" cannot be played: not a RIFF wave file."));
}

} // namespace
