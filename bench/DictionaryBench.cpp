#include "content/Dictionary.h"
#include "content/TextFile.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <random>

using namespace kelvaro;

namespace {

/// A dictionary the size of a full one: 100,000 entries, about 11 MB in code page 936,
/// every tenth headword a duplicate in another case.
struct LargeDictionary
{
    QString text;
    QStringList headwords; ///< stems that are in the dictionary
    QStringList inflected; ///< stem + a suffix, found only through a suffix rule
    QStringList misses;    ///< words with a suffix whose every candidate misses
};

QString randomLetters(std::mt19937& rng, int minLength, int maxLength)
{
    QString word;
    const int length = std::uniform_int_distribution<int>(minLength, maxLength)(rng);
    for (int i = 0; i < length; ++i)
        word += QChar(char16_t(u'a' + rng() % 26));
    return word;
}

const LargeDictionary& largeDictionary()
{
    static const LargeDictionary dictionary = [] {
        LargeDictionary d;
        std::mt19937 rng(1234);
        const char16_t* suffixes[] = {u"ing", u"er", u"est", u"s", u"ed"};
        d.text.reserve(8'000'000);
        for (int i = 0; i < 100'000; ++i) {
            QString head = randomLetters(rng, 3, 9) + QString::number(i, 36);
            if (i % 10 == 9)
                head = d.headwords[i - 5].toUpper();
            d.text += u'$' + head + u'[' + randomLetters(rng, 4, 10) + u']';
            // Meanings mix Chinese with ASCII part-of-speech marks and line breaks.
            const int meaningLength = std::uniform_int_distribution<int>(35, 75)(rng);
            for (int c = 0; c < meaningLength; ++c) {
                if (c % 37 == 36)
                    d.text += u'\n';
                else if (rng() % 10 < 3)
                    d.text += QChar(char16_t(u'a' + rng() % 26));
                else
                    d.text += QChar(char16_t(0x4e00 + rng() % 0x5000));
            }
            d.headwords.append(head);
        }
        d.text += u'$';
        for (int i = 0; i < 1000; ++i) {
            const QString& stem = d.headwords[(i * 97) % d.headwords.size()];
            const char16_t* suffix = suffixes[i % 5];
            d.inflected.append(stem + QString::fromUtf16(suffix));
            d.misses.append(QStringLiteral("zz") + stem + QString::fromUtf16(suffix));
        }
        return d;
    }();
    return dictionary;
}

void BM_IndexBuild(benchmark::State& state)
{
    const LargeDictionary& d = largeDictionary();
    for (auto _ : state) {
        Dictionary dictionary(d.text);
        benchmark::DoNotOptimize(dictionary);
    }
    state.counters["chars"] = double(d.text.size());
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond);

void BM_LoadFromDisk(benchmark::State& state)
{
    const LargeDictionary& d = largeDictionary();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lib.dll"));
    bool complete = false;
    const QByteArray bytes = encodeCp936(d.text, &complete);
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("code page 936 encoding is not available");
        return;
    }
    file.close();
    for (auto _ : state) {
        Result<Dictionary> loaded = Dictionary::load(path);
        if (!loaded.ok()) {
            state.SkipWithError(loaded.error().toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_LoadFromDisk)->Unit(benchmark::kMillisecond);

/// Looks the words up in turn, as the word popup does.
void lookUpAll(benchmark::State& state, const QStringList& words)
{
    static const Dictionary dictionary(largeDictionary().text);
    qsizetype i = 0;
    for (auto _ : state) {
        LookupResult result = dictionary.lookUpWord(words[i]);
        benchmark::DoNotOptimize(result);
        i = (i + 1) % words.size();
    }
}

void BM_LookUpDirectHit(benchmark::State& state)
{
    QStringList words = largeDictionary().headwords.mid(0, 1000);
    for (QString& w : words)
        w[0] = w[0].toUpper();
    lookUpAll(state, words);
}
BENCHMARK(BM_LookUpDirectHit);

void BM_LookUpViaSuffixRule(benchmark::State& state)
{
    lookUpAll(state, largeDictionary().inflected);
}
BENCHMARK(BM_LookUpViaSuffixRule);

void BM_LookUpMissTryingEveryCandidate(benchmark::State& state)
{
    lookUpAll(state, largeDictionary().misses);
}
BENCHMARK(BM_LookUpMissTryingEveryCandidate);

/// A word holding "$" cannot be an index key and takes the plain scan of the whole text.
void BM_FindHeadwordMarkupFallbackScan(benchmark::State& state)
{
    static const Dictionary dictionary(largeDictionary().text);
    for (auto _ : state) {
        auto entry = dictionary.findHeadword(u"no$such");
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_FindHeadwordMarkupFallbackScan)->Unit(benchmark::kMillisecond);

} // namespace
