#include "content/Dictionary.h"

#include "content/TextFile.h"
#include "content/TextRules.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <random>

using namespace kelvaro;

namespace {

std::string show(QStringView text)
{
    return text.toString().toStdString();
}

// Text before the first "$" looks like an entry but must never be reached.
const QString kFixture =
    QStringLiteral("preface[ˈprefəs]not reachable"
                   "$hello[həˈləʊ]你好\r\n喂"
                   "$Paris[ˈpærɪs]巴黎"
                   "$book[bʊk]书$books[bʊks]书（复数）"
                   "$bank[bæŋk]银行$BANK[bæŋk]河岸"
                   "$walk[wɔːk]走$make[meɪk]做$run[rʌn]跑$read[riːd]读$large[lɑːdʒ]大的"
                   "$happy[ˈhæpi]快乐的$big[bɪɡ]大的$long[lɒŋ]长的$box[bɒks]盒子$city[ˈsɪti]城市"
                   "$play[pleɪ]玩$like[laɪk]喜欢$study[ˈstʌdi]学习$stop[stɒp]停止"
                   "$see[siː]看 [动词]$a]b[x]y"
                   "$e[iː]字母 e$y[waɪ]字母 y$edy[ˈedi]trap for a clamped cut"
                   "$zoo[zuː]动物园\r\n");

struct Expect
{
    const char16_t* word;
    const char16_t* entryStart; // the fixture text at the found entry's "$"; nullptr: not found
    const char16_t* headword = nullptr;
    const char16_t* pronunciation = nullptr;
    const char16_t* meaning = nullptr;
    bool viaSuffixRule = false;
};

void checkLookups(const QString& dictionaryText, std::initializer_list<Expect> cases)
{
    const Dictionary dictionary(dictionaryText);
    for (const Expect& c : cases) {
        const QString word = QString::fromUtf16(c.word);
        SCOPED_TRACE(show(word));
        const LookupResult r = dictionary.lookUpWord(word);
        if (!c.entryStart) {
            EXPECT_FALSE(r.found);
            EXPECT_FALSE(r.viaSuffixRule);
            EXPECT_EQ(r.headword, word);
            EXPECT_EQ(r.pronunciation, QString());
            EXPECT_EQ(r.meaning, notFoundMeaning());
            EXPECT_EQ(r.entryPos, -1);
            continue;
        }
        EXPECT_TRUE(r.found);
        EXPECT_EQ(r.viaSuffixRule, c.viaSuffixRule);
        EXPECT_EQ(r.entryPos, dictionaryText.indexOf(QString::fromUtf16(c.entryStart)));
        EXPECT_EQ(show(r.headword), show(QString::fromUtf16(c.headword)));
        EXPECT_EQ(show(r.pronunciation), show(QString::fromUtf16(c.pronunciation)));
        EXPECT_EQ(show(r.meaning), show(QString::fromUtf16(c.meaning)));
    }
}

} // namespace

TEST(DictionaryLookup, MatchesWholeHeadwordsIgnoringOnlyAsciiCase)
{
    checkLookups(kFixture, {
                               {u"hello", u"$hello[", u"hello", u"həˈləʊ", u"你好\r\n喂", false},
                               {u"Hello", u"$hello[", u"hello", u"həˈləʊ", u"你好\r\n喂", false},
                               {u"HELLO", u"$hello[", u"hello", u"həˈləʊ", u"你好\r\n喂", false},
                               // The headword is shown as the dictionary spells it.
                               {u"paris", u"$Paris[", u"Paris", u"ˈpærɪs", u"巴黎", false},
                               // A direct hit wins over the suffix rules, and a prefix is no match.
                               {u"books", u"$books[", u"books", u"bʊks", u"书（复数）", false},
                               {u"book", u"$book[", u"book", u"bʊk", u"书", false},
                               {u"boo", nullptr},
                               {u"ook", nullptr},
                               // Of two entries with one headword the earlier one is shown.
                               {u"Bank", u"$bank[", u"bank", u"bæŋk", u"银行", false},
                               {u"preface", nullptr},
                           });
}

TEST(DictionaryLookup, ReadsEntryFieldsUpToTheNextDollar)
{
    checkLookups(kFixture,
                 {
                     {u"see", u"$see[", u"see", u"siː", u"看 [动词]", false},
                     // "]" is looked for after the "[", so one in the headword does not count.
                     {u"A]B", u"$a]b[", u"a]b", u"x", u"y", false},
                     {u"zoo", u"$zoo[", u"zoo", u"zuː", u"动物园\r\n", false},
                 });
    // Without a "]" the pronunciation runs to the entry end.
    checkLookups(QStringLiteral("$oops[uːps, no close$next[n]m"),
                 {{u"oops", u"$oops[", u"oops", u"uːps, no close", u"", false}});
}

TEST(DictionaryLookup, ReachesBaseFormsThroughTheSuffixRules)
{
    checkLookups(kFixture, {
                               {u"walking", u"$walk[", u"walk", u"wɔːk", u"走", true},
                               {u"making", u"$make[", u"make", u"meɪk", u"做", true},
                               {u"running", u"$run[", u"run", u"rʌn", u"跑", true},
                               {u"reader", u"$read[", u"read", u"riːd", u"读", true},
                               {u"larger", u"$large[", u"large", u"lɑːdʒ", u"大的", true},
                               {u"happier", u"$happy[", u"happy", u"ˈhæpi", u"快乐的", true},
                               {u"bigger", u"$big[", u"big", u"bɪɡ", u"大的", true},
                               {u"longest", u"$long[", u"long", u"lɒŋ", u"长的", true},
                               {u"largest", u"$large[", u"large", u"lɑːdʒ", u"大的", true},
                               {u"happiest", u"$happy[", u"happy", u"ˈhæpi", u"快乐的", true},
                               {u"boxes", u"$box[", u"box", u"bɒks", u"盒子", true},
                               {u"cities", u"$city[", u"city", u"ˈsɪti", u"城市", true},
                               {u"played", u"$play[", u"play", u"pleɪ", u"玩", true},
                               {u"liked", u"$like[", u"like", u"laɪk", u"喜欢", true},
                               {u"studied", u"$study[", u"study", u"ˈstʌdi", u"学习", true},
                               {u"stopped", u"$stop[", u"stop", u"stɒp", u"停止", true},
                               // The ending is compared exactly; the stem search ignores case.
                               {u"Walked", u"$walk[", u"walk", u"wɔːk", u"走", true},
                               {u"WALKED", nullptr},
                               {u"walkING", nullptr},
                               {u"jumping", nullptr},
                           });
}

TEST(DictionaryLookup, ShortWordsSkipCutsLongerThanTheWord)
{
    // "e" and "y" are headwords, so a cut of -1 that were clamped to 0 or read as "whole word"
    // would find "y" or "edy" where nothing may be found.
    checkLookups(kFixture, {
                               {u"er", u"$e[", u"e", u"iː", u"字母 e", true},
                               {u"ed", u"$e[", u"e", u"iː", u"字母 e", true},
                               {u"es", u"$e[", u"e", u"iː", u"字母 e", true},
                               {u"ing", u"$e[", u"e", u"iː", u"字母 e", true},
                               {u"s", nullptr},
                               {u"d", nullptr},
                               {u"", nullptr},
                           });
    // An empty headword is reached only by the empty candidate, as the plain scan would.
    checkLookups(QStringLiteral("$[blank]nothing$y[waɪ]字母 y"),
                 {{u"s", u"$[", u"", u"blank", u"nothing", true},
                  {u"ed", u"$[", u"", u"blank", u"nothing", true}});
}

TEST(DictionaryLookup, EmptyDictionaryFindsNothing)
{
    checkLookups(QString(),
                 {{u"hello", nullptr}, {u"walking", nullptr}, {u"s", nullptr}, {u"", nullptr}});
    checkLookups(QStringLiteral("no entries at all [x] here"), {{u"no entries at all ", nullptr}});
}

TEST(DictionaryLookup, WordsHoldingMarkupCharactersGiveThePlainScanResult)
{
    // Not index keys, but the scan for "$" + word + "[" still matches across the markup.
    const Dictionary dictionary(QStringLiteral("$pre$x$Y[p]m$a[b[c]d$"));
    const std::optional<DictionaryEntry> dollar = dictionary.findHeadword(u"x$y");
    ASSERT_TRUE(dollar);
    EXPECT_EQ(dollar->entryPos, 4);
    EXPECT_EQ(dollar->headword, "x");
    EXPECT_EQ(dollar->pronunciation, "");
    const std::optional<DictionaryEntry> bracket = dictionary.findHeadword(u"A[b");
    ASSERT_TRUE(bracket);
    EXPECT_EQ(bracket->entryPos, 12);
    EXPECT_EQ(bracket->headword, "a");
    EXPECT_EQ(bracket->pronunciation, "b[c");
    EXPECT_EQ(bracket->meaning, "d");
    EXPECT_FALSE(dictionary.findHeadword(u"m$a"));
    EXPECT_FALSE(dictionary.findHeadword(u"d$"));
}

TEST(SuffixCandidates, OneGroupChosenByTheExactLowerCaseEnding)
{
    struct Case
    {
        const char16_t* word;
        std::vector<const char16_t*> candidates;
    };
    const Case cases[] = {
        {u"walking", {u"walk", u"walke", u"wal"}},
        {u"bigger", {u"bigg", u"bigge", u"bigy", u"big"}},
        {u"largest", {u"larg", u"large", u"lary"}},
        {u"cities", {u"citie", u"citi", u"city"}},
        {u"stopped", {u"stopp", u"stoppe", u"stopy", u"stop"}},
        // Only the last letters decide: these end in "s", not "er" or "ing".
        {u"readers", {u"reader", u"reade", u"ready"}},
        {u"sings", {u"sing", u"sin", u"siy"}},
        {u"WALKING", {}},
        {u"Walked", {u"Walk", u"Walke", u"Waly", u"Wal"}},
        {u"walk", {}},
        {u"", {}},
        // Cuts longer than the word are left out; a cut to nothing still gives "".
        {u"s", {u""}},
        {u"es", {u"e", u""}},
        {u"er", {u"", u"e"}},
        {u"ed", {u"", u"e"}},
        {u"bed", {u"b", u"be", u"y", u""}},
        {u"ing", {u"", u"e"}},
        {u"est", {u"", u"e"}},
    };
    for (const Case& c : cases) {
        QStringList expected;
        for (const char16_t* candidate : c.candidates)
            expected.append(QString::fromUtf16(candidate));
        const QStringList actual = Dictionary::suffixCandidates(QString::fromUtf16(c.word));
        EXPECT_EQ(show(actual.join(u'|')), show(expected.join(u'|')))
            << show(QString::fromUtf16(c.word));
        EXPECT_EQ(actual.size(), expected.size()); // "" candidates vanish in the joined text
    }
}

namespace {

/// The first "$" + word + "[" of text, A-Z without case: what the index must reproduce.
qsizetype referenceScan(const QString& text, const QString& word)
{
    return indexOfIgnoreAsciiCase(text, QStringLiteral("$") + word + QStringLiteral("["));
}

QString randomWord(std::mt19937& rng, int maxLength)
{
    static const QString alphabet = QStringLiteral("abcAB eéÉ]'-");
    QString word;
    const int length = std::uniform_int_distribution<int>(0, maxLength)(rng);
    for (int i = 0; i < length; ++i)
        word += alphabet[std::uniform_int_distribution<int>(0, alphabet.size() - 1)(rng)];
    return word;
}

QString flipAsciiCase(std::mt19937& rng, QString word)
{
    for (QChar& c : word) {
        if (rng() % 2 == 0)
            continue;
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
        else if (c == u'é')
            c = u'É'; // must then miss: only A-Z fold
    }
    return word;
}

} // namespace

TEST(DictionaryIndex, AgreesWithThePlainScanOnARandomDictionary)
{
    std::mt19937 rng(20240611);
    QString text = QStringLiteral("lead-in[x]y$");
    QStringList headwords;
    for (int i = 0; i < 3000; ++i) {
        const unsigned shape = rng() % 20;
        QString head = (shape < 3 && !headwords.isEmpty())
                           ? flipAsciiCase(rng, headwords[rng() % headwords.size()]) // duplicate
                           : randomWord(rng, 4);
        headwords.append(head);
        if (shape == 3)
            text += QStringLiteral("$") + head + QStringLiteral("no bracket");
        else if (shape == 4)
            text += QStringLiteral("$") + head + QStringLiteral("[[p]]m[e]");
        else
            text += QStringLiteral("$") + head + QStringLiteral("[p]") + randomWord(rng, 6);
    }
    if (rng() % 2)
        text += QStringLiteral("$");

    const Dictionary dictionary(text);
    int hits = 0;
    for (int i = 0; i < 1500; ++i) {
        QString query;
        switch (rng() % 4) {
        case 0:
            query = randomWord(rng, 4);
            break;
        case 1:
            query = headwords[rng() % headwords.size()];
            break;
        case 2:
            query = flipAsciiCase(rng, headwords[rng() % headwords.size()]);
            break;
        default: // straddles markup, so only the fallback scan can answer
            query = headwords[rng() % headwords.size()] + (rng() % 2 ? u'[' : u'$') +
                    headwords[rng() % headwords.size()];
        }
        const qsizetype expected = referenceScan(text, query);
        const std::optional<DictionaryEntry> found = dictionary.findHeadword(query);
        ASSERT_EQ(found ? found->entryPos : -1, expected) << show(query);
        hits += found.has_value();
    }
    EXPECT_GT(hits, 500); // the queries must exercise hits as well as misses
}

TEST(DictionaryLoad, ReadsThePlainCodePage936File)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lib.dll"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeCp936(QStringLiteral("$walk[wC:k]v. 走路\r\nn. 散步$")));
    file.close();

    const Result<Dictionary> loaded = Dictionary::load(path);
    ASSERT_TRUE(loaded.ok()) << show(loaded.error());
    const LookupResult r = loaded->lookUpWord(u"Walked");
    EXPECT_EQ(r.headword, "walk");
    EXPECT_EQ(r.pronunciation, "wC:k"); // the "pron" font draws its own glyphs for ASCII
    EXPECT_EQ(show(r.meaning), show(u"v. 走路\r\nn. 散步"));
}

TEST(DictionaryLoad, MissingFileIsAnErrorNamingTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("lib.dll"));
    const Result<Dictionary> loaded = Dictionary::load(path);
    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().contains(QStringLiteral("lib.dll"))) << show(loaded.error());
}

TEST(SentenceWord, TakesTheDictionaryFormOfTheKthSegment)
{
    const QString record =
        QStringLiteral("^He $he$^walked $walk$◆^home$home$^.^#他走回家。#1.5#3#note#0#");
    struct Case
    {
        int k;
        qsizetype caretPos; // -1: no such segment
        const char16_t* word;
    };
    const Case cases[] = {
        {1, 0, u"he"},
        {2, 8, u"walk"}, // the key-word mark after the closing "$" is not part of the word
        {3, 23, u"home"},
        {4, 34, u""},     // punctuation: no "$"
        {5, 36, u""},     // the last "^" opens the rest of the record
        {6, -1, nullptr}, // fewer "^" than k
        {0, -1, nullptr},
        {-1, -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        const std::optional<SentenceWord> w = getSentenceWord(record, c.k);
        if (c.caretPos < 0) {
            EXPECT_FALSE(w);
            continue;
        }
        ASSERT_TRUE(w);
        EXPECT_EQ(w->caretPos, c.caretPos);
        EXPECT_EQ(w->word, QString::fromUtf16(c.word));
    }
}

TEST(SentenceWord, SegmentWithoutClosingCaretOrSecondDollar)
{
    // A record cut short: the last segment runs to the end and one "$" gives no word.
    EXPECT_EQ(getSentenceWord(u"^a$b", 1)->word, "");
    EXPECT_EQ(getSentenceWord(u"^a$b$c", 1)->word, "b");
    EXPECT_EQ(getSentenceWord(u"^a$b^$c$", 1)->word, "");
    EXPECT_EQ(getSentenceWord(u"^a$b^$c$", 2)->word, "c");
    EXPECT_FALSE(getSentenceWord(u"", 1));
}
