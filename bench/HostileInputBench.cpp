// The worst inputs found for each reader, at 1 MB and 10 MB: every reader must stay linear
// in its input, so the 10 MB case takes about ten times the 1 MB one, well under a second.
#include "content/BookList.h"
#include "content/Dictionary.h"
#include "content/Lesson.h"
#include "content/ResultsFile.h"
#include "content/Settings.h"
#include "content/TextFile.h"
#include "content/TranscriptReader.h"
#include "playback/WavFile.h"

#include <QtEndian>

#include <benchmark/benchmark.h>

using namespace kelvaro;

namespace {

// piece repeated until the text is about size bytes long, between head and tail.
QByteArray repeated(const QByteArray& head, const QByteArray& piece, qsizetype size,
                    const QByteArray& tail = {})
{
    QByteArray out = head;
    out.reserve(size + tail.size());
    while (out.size() < size)
        out += piece;
    return out + tail;
}

QByteArray rtfInput(int kind, qsizetype size)
{
    switch (kind) {
    case 0: // groups nested ever deeper, then closed
        return repeated("{\\rtf1 ", "{", size / 2) + QByteArray(size / 2, '}');
    case 1: // groups opened and never closed, with text in each
        return repeated("{\\rtf1 ", "{a", size);
    case 2: { // a new code page before every character
        QByteArray out = "{\\rtf1\\ansi";
        for (int page = 100000; out.size() < size; ++page)
            out += "\\ansicpg" + QByteArray::number(page) + " a";
        return out + "}";
    }
    case 3: // huge \u numbers, each with its fallback
        return repeated("{\\rtf1\\uc1 ", "\\u99999999999999999999?", size, "}");
    case 4: // \bin runs with lengths past the end
        return repeated("{\\rtf1 ", "\\bin3 abc\\bin0 \\bin-9 x", size, "}");
    case 5: // hex escapes cut short
        return repeated("{\\rtf1 ", "\\'\\'a\\'", size, "}");
    case 6: // \uc fallbacks that swallow the following escapes
        return repeated("{\\rtf1\\uc64 ", "\\u20013\\'d6\\'d0{", size, "}");
    default: // a long control word
        return repeated("{\\rtf1 \\", "a", size, "}");
    }
}

const char* const kRtfNames[] = {"nested groups", "unclosed groups", "code page runs",
                                 "huge \\u",      "\\bin runs",      "cut hex escapes",
                                 "fallbacks",     "one long word"};

void BM_ReadHostileRichText(benchmark::State& state)
{
    const QByteArray input = rtfInput(int(state.range(0)), state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(textFromBytes(input));
    state.SetLabel(kRtfNames[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_ReadHostileRichText)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 7, 1), {1 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond);

void BM_ReadHostileCp936(benchmark::State& state)
{
    // 0: bytes no character starts with; 1: lead bytes without a trail; 2: undefined pairs
    const QByteArray pieces[] = {"\xff", "\x81", "\xa2\xa0"};
    const QByteArray input = repeated({}, pieces[state.range(0)], state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(textFromBytes(input));
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_ReadHostileCp936)
    ->ArgsProduct({{0, 1, 2}, {1 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond);

void BM_WriteTextOutsideCp936(benchmark::State& state)
{
    // Every other character has no code page 936 code: the writer's worst case.
    const QString text = QString::fromUtf16(u"😀a").repeated(state.range(0) / 6);
    for (auto _ : state)
        benchmark::DoNotOptimize(plainTextToRtf(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_WriteTextOutsideCp936)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

QString lessonInput(int kind, qsizetype size)
{
    switch (kind) {
    case 0: // one sentence of "^" runs: every segment empty
        return QStringLiteral("*") + QString(size, u'^') + QStringLiteral("#a#0#1###*");
    case 1: // "$" runs in one segment: refused at the end of the segment
        return QStringLiteral("*^") + QString(size, u'$') + QStringLiteral("^#a#0#1###*");
    case 2: // the smallest sentences, as many as fit
        return QStringLiteral("*") + QStringLiteral("^^######*").repeated(size / 9);
    default: // "#" runs: a sentence with a very long tail
        return QStringLiteral("*^^") + QString(size, u'#') + QStringLiteral("*");
    }
}

const char* const kLessonNames[] = {"^ runs", "$ runs", "smallest sentences", "# runs"};

void BM_ParseHostileLesson(benchmark::State& state)
{
    const QString text = lessonInput(int(state.range(0)), state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseLesson(text, QStringLiteral("bench.dat")));
    state.SetLabel(kLessonNames[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ParseHostileLesson)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 3, 1), {1 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond);

void BM_HostileDictionary(benchmark::State& state)
{
    // 0: "$" runs; 1: one headword repeated; 2: headwords without a "[" until the very end
    const QString pieces[] = {QStringLiteral("$"), QStringLiteral("$word[w]x"),
                              QStringLiteral("$abcdefgh")};
    const QString text = pieces[state.range(0)].repeated(state.range(1) / pieces[0].size() /
                                                         pieces[state.range(0)].size()) +
                         QStringLiteral("[");
    for (auto _ : state) {
        const Dictionary dictionary(text);
        benchmark::DoNotOptimize(dictionary.lookUpWord(u"wording"));
        benchmark::DoNotOptimize(dictionary.lookUpWord(u"a$b"));
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_HostileDictionary)
    ->ArgsProduct({{0, 1, 2}, {1 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond);

void BM_HostileSettingsBookListAndResults(benchmark::State& state)
{
    // One settings value of millions of digits; book list and results of empty entries.
    const QString digits = QString(state.range(0), u'9') + QStringLiteral("/");
    const QString entries = QStringLiteral("^") + QString(state.range(0), u'^');
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseSettings(digits.repeated(33)));
        benchmark::DoNotOptimize(parseBookList(entries, QStringLiteral("bench.dat")));
        benchmark::DoNotOptimize(markLessonCompleted(entries, QString()));
    }
    state.SetBytesProcessed(state.iterations() * (digits.size() * 33 + entries.size() * 2) * 2);
}
BENCHMARK(BM_HostileSettingsBookListAndResults)
    ->Arg(1 << 15)
    ->Arg(10 << 15)
    ->Unit(benchmark::kMillisecond);

void BM_HostileWave(benchmark::State& state)
{
    // Chunks of no length, one after the other, before the format and data.
    QByteArray chunk("junk\0\0\0\0", 8);
    QByteArray wave = repeated(QByteArray("RIFF\0\0\0\0WAVE", 12), chunk, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(parseWav(wave, QStringLiteral("bench.wav")));
    state.SetBytesProcessed(state.iterations() * wave.size());
}
BENCHMARK(BM_HostileWave)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

QByteArray transcriptInput(int kind, qsizetype size)
{
    const QByteArray cue = "1\n00:00:01,000 --> 00:00:02,000\n";
    switch (kind) {
    case 0: // a cue line of dashes, sound descriptions and labels before its words
        return repeated(cue, "- (a) JOHN: ", size, "Hi\n");
    case 1: // markup opened and never closed
        return repeated(cue, "[{\\((<i", size, "\n");
    case 2: // one lyric line with a stamp after stamp
        return repeated({}, "[00:01.00]", size, "Hi\n");
    case 3: // plain text: a paragraph of titles and initials that never end a sentence
        return repeated({}, "Mr. A. ", size, "\n");
    default: // plain text: a paragraph wrapped over many lines, a sentence on each
        return repeated({}, "It is a word. And\n", size);
    }
}

const char* const kTranscriptNames[] = {"leading labels", "unclosed markup", "lyric stamps",
                                        "titles and initials", "wrapped paragraph"};
const char* const kTranscriptFiles[] = {"a.srt", "a.srt", "a.lrc", "a.txt", "a.txt"};

void BM_ReadHostileTranscript(benchmark::State& state)
{
    const QByteArray input = transcriptInput(int(state.range(0)), state.range(1));
    const QString fileName = QString::fromLatin1(kTranscriptFiles[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(readTranscript(input, fileName));
    state.SetLabel(kTranscriptNames[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * input.size());
}
BENCHMARK(BM_ReadHostileTranscript)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 4, 1), {1 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond);

} // namespace
