// Parsing a lesson of the largest size the player opens.
#include "content/Lesson.h"
#include "content/LessonEdits.h"

#include <benchmark/benchmark.h>

namespace {

// About 3 MB: 30,000 sentences of a few words, Chinese, times, a note now and then.
QString bigLesson(int sentences)
{
    QStringList records;
    records.reserve(sentences);
    for (int i = 0; i < sentences; ++i) {
        const QString note = (i % 7 == 0) ? QStringLiteral("注意这个句子的语调") : QString();
        records.append(QStringLiteral("^Where $where$^is $be$^the $the$^nearest $near$◆^station $station$^, ^please$please$^?^"
                                      "#请问最近的车站在哪里？#%1#%2#%3##")
                           .arg(i * 2.5)
                           .arg(i * 2.5 + 2.1)
                           .arg(note));
    }
    return kelvaro::buildLessonText(records);
}

void parseLargeLesson(benchmark::State& state)
{
    const QString text = bigLesson(int(state.range(0)));
    for (auto _ : state) {
        auto lesson = kelvaro::parseLesson(text, QStringLiteral("bench.dat"));
        benchmark::DoNotOptimize(lesson);
    }
    state.counters["Mchars"] = double(text.size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(parseLargeLesson)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace
