// kelvaro-align-probe: the aligner's quality and speed on recordings whose sentence times are
// known. "make DIR MINUTES" speaks the demo lessons' sentences (again and again) in another voice
// than the aligner's, at an uneven pace with pauses of 0.5 to 1.5 s and a faint hiss, into
// DIR/recording.wav, DIR/text.txt and DIR/truth.txt; "alsa DIR" joins the human voice of
// alsa-utils' sound check the same way; "measure AUDIO TEXT TRUTH" aligns and prints the figures.
// scripts/bench.sh runs it.
#include "SpokenFixture.h"

#include "align/AlignmentFeatures.h"
#include "align/SentenceAligner.h"
#include "content/TranscriptReader.h"
#include "import/RecordingScan.h"
#include "playback/WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <random>

using namespace kelvaro;
using namespace kelvaro::test;

namespace {

QStringList demoSentences()
{
    QStringList sentences;
    const QDir lessons(QStringLiteral(KELVARO_SOURCE_DIR "/tools/demo/content/lessons"));
    for (const QString& name : lessons.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile file(lessons.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
            if (line.startsWith(u"en: "))
                sentences << line.mid(4)
                                 .remove(QRegularExpression(QStringLiteral("\\{[^}]*\\}")))
                                 .remove(u'[')
                                 .remove(u']')
                                 .trimmed();
    }
    return sentences;
}

bool writeFixture(const QString& dir, const SpokenFixture& fixture)
{
    QDir().mkpath(dir);
    PcmSound sound;
    sound.format = AudioFormat{kSpokenRate, 1};
    sound.samples.reserve(fixture.samples.size());
    for (float s : fixture.samples)
        sound.samples.push_back(qint16(std::clamp(s, -1.0f, 1.0f) * 32767));
    if (!writeWav(dir + QStringLiteral("/recording.wav"), sound).ok())
        return false;
    QFile text(dir + QStringLiteral("/text.txt")), truth(dir + QStringLiteral("/truth.txt"));
    if (!text.open(QIODevice::WriteOnly) || !truth.open(QIODevice::WriteOnly))
        return false;
    for (int k = 0; k < fixture.sentences.size(); ++k) {
        text.write(fixture.sentences[k].toUtf8() + '\n');
        truth.write(QByteArray::number(fixture.speechMs[size_t(k)].first) + ' ' +
                    QByteArray::number(fixture.speechMs[size_t(k)].second) + '\n');
    }
    return true;
}

int make(const QString& dir, double minutes)
{
    const QStringList pool = demoSentences();
    if (pool.isEmpty())
        return std::fprintf(stderr, "no demo sentences found\n"), 1;
    // About 3.3 s a sentence with its pause.
    const int count = int(minutes * 60 / 3.3);
    std::mt19937 random(5);
    QStringList sentences;
    while (sentences.size() < count) {
        QStringList round = pool;
        std::shuffle(round.begin(), round.end(), random);
        sentences += round.mid(0, count - int(sentences.size()));
    }
    FixturePlan plan;
    plan.pausesMs = {500, 800, 1100, 1500, 700, 1300, 600, 1000};
    plan.noise = 0.01f;
    plan.speedSpread = 0.1;
    const SpokenFixture fixture = spokenFixture(sentences, plan);
    if (!fixture.ok || !writeFixture(dir, fixture))
        return std::fprintf(stderr, "could not make the recording\n"), 1;
    std::printf("%lld sentences, %.1f minutes\n", (long long)sentences.size(),
                double(fixture.samples.size()) / kSpokenRate / 60);
    return 0;
}

int alsa(const QString& dir)
{
    const SpokenFixture fixture = alsaFixture({500, 900, 1300, 700, 1100, 600, 1500});
    if (!fixture.ok || !writeFixture(dir, fixture))
        return std::fprintf(stderr, "alsa-utils' sounds are missing\n"), 1;
    return 0;
}

int measure(const QString& audio, const QString& textPath, const QString& truthPath)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<float> samples;
    int rate = kAlignRate;
    if (audio.endsWith(u".mp3")) {
        Result<RecordingScan> scan = scanMp3(audio, {}, true);
        if (!scan)
            return std::fprintf(stderr, "%s\n", qPrintable(scan.error())), 1;
        samples = std::move(scan.value().alignSamples);
    } else {
        Result<PcmSound> wav = readWav(audio);
        if (!wav)
            return std::fprintf(stderr, "%s\n", qPrintable(wav.error())), 1;
        rate = wav->format.rate;
        for (qint64 i = 0; i < wav->frames(); ++i)
            samples.push_back(float(wav->samples[size_t(i * wav->format.channels)]) / 32768.0f);
    }
    const qint64 decodedMs = clock.elapsed();
    Result<Transcript> transcript = readTranscriptFile(textPath);
    if (!transcript)
        return std::fprintf(stderr, "%s\n", qPrintable(transcript.error())), 1;
    QStringList english;
    for (const TranscriptCue& cue : transcript->cues)
        english << cue.english;
    std::vector<std::pair<qint64, qint64>> truth;
    QFile truthFile(truthPath);
    if (!truthFile.open(QIODevice::ReadOnly))
        return std::fprintf(stderr, "no truth file\n"), 1;
    for (const QByteArray& line : truthFile.readAll().split('\n'))
        if (const QList<QByteArray> f = line.split(' '); f.size() == 2)
            truth.emplace_back(f[0].toLongLong(), f[1].toLongLong());
    const Result<QVector<AlignedSentence>> aligned = alignSentences(samples, rate, english);
    if (!aligned)
        return std::fprintf(stderr, "%s\n", qPrintable(aligned.error())), 1;
    const BoundaryReport report = measureBoundaries(*aligned, truth);
    double confidence = 0;
    for (const AlignedSentence& s : *aligned)
        confidence += s.confidence / double(aligned->size());
    std::printf("sentences: %lld\n", (long long)aligned->size());
    std::printf("decode: %lld ms, align: %lld ms\n", decodedMs, clock.elapsed() - decodedMs);
    std::printf("boundary error: median %lld ms, worst %lld ms\n", report.medianMs(),
                report.worstMs());
    std::printf("edges cutting their own speech: %d, reaching a neighbour's: %d\n",
                report.ownSpeechCut, report.neighbourIncluded);
    std::printf("mean confidence: %.2f\n", confidence);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == u"make")
        return make(args[1], args[2].toDouble());
    if (args.size() == 2 && args[0] == u"alsa")
        return alsa(args[1]);
    if (args.size() == 4 && args[0] == u"measure")
        return measure(args[1], args[2], args[3]);
    std::fprintf(stderr, "usage: kelvaro-align-probe make DIR MINUTES | alsa DIR |"
                         " measure AUDIO TEXT TRUTH\n");
    return 2;
}
