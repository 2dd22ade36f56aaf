#include "content/TextFile.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kelvaro;

namespace {

// A lesson-like text whose rich-text form is about 3 MB: English sentences, their Chinese
// translations and markup characters, one line each.
const QString& lessonText()
{
    static const QString text = [] {
        const QString english = QStringLiteral("$%1$ Excuse me! Is this your handbag? {note} */");
        const QString chinese = QString::fromUtf16(u"对不起，这是您的手提包吗？◆ 第%1课 价格 €5");
        QString t;
        for (int line = 0; plainTextToRtf(t).size() < 3'000'000; ++line) {
            for (int i = 0; i < 500; ++i, ++line) {
                t += english.arg(line) + QStringLiteral("\r\n");
                t += chinese.arg(line) + QStringLiteral("\r\n");
            }
        }
        t += QStringLiteral("*");
        return t;
    }();
    return text;
}

void BM_WriteLessonFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lesson.dat"));
    const QString& text = lessonText();
    for (auto _ : state) {
        if (!writeTextFile(path, text).ok())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * plainTextToRtf(text).size());
}
BENCHMARK(BM_WriteLessonFile)->Unit(benchmark::kMillisecond);

void BM_ReadLessonFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lesson.dat"));
    if (!writeTextFile(path, lessonText()).ok())
        state.SkipWithError("write failed");
    for (auto _ : state) {
        const Result<QString> read = readTextFile(path);
        benchmark::DoNotOptimize(read.ok());
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}
BENCHMARK(BM_ReadLessonFile)->Unit(benchmark::kMillisecond);

void BM_RtfToPlainText(benchmark::State& state)
{
    const QByteArray rtf = plainTextToRtf(lessonText());
    for (auto _ : state)
        benchmark::DoNotOptimize(rtfToPlainText(rtf).size());
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfToPlainText)->Unit(benchmark::kMillisecond);

void BM_PlainTextToRtf(benchmark::State& state)
{
    const QString& text = lessonText();
    for (auto _ : state)
        benchmark::DoNotOptimize(plainTextToRtf(text).size());
}
BENCHMARK(BM_PlainTextToRtf)->Unit(benchmark::kMillisecond);

// Decoding short pieces shows what opening a converter per call would cost.
void BM_DecodeShortPieces(benchmark::State& state)
{
    const QByteArray piece = "\xc4\xe3\xba\xc3 ok";
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeCp936(piece).size());
}
BENCHMARK(BM_DecodeShortPieces);

} // namespace
