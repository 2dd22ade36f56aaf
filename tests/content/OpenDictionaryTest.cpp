// The open dictionary behind the folder's own: WordNet's base forms, the prepared file's
// entries, and which source answers the word popup.
#include "QtPrinters.h"

#include "content/DictionaryLemmas.h"
#include "content/OpenDictionary.h"
#include "content/OpenLookup.h"
#include "content/WordNetMorphology.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

const QString kFixture = QStringLiteral(KELVARO_TEST_DATA "/open/open-dictionary.txt");

OpenDictionary fixtureDictionary()
{
    Result<OpenDictionary> open = OpenDictionary::load(kFixture);
    EXPECT_TRUE(open.ok()) << open.error().toStdString();
    return open ? std::move(open.value()) : OpenDictionary();
}

// The folder's own dictionary: it holds "book", "walk" and the letter "i", not "go" or "child".
Dictionary folderDictionary()
{
    return Dictionary(QStringLiteral("$book[bʊk]n. 书$walk[wɔːk]v. 走$i[aɪ]pron. 我$"));
}

} // namespace

TEST(OpenDictionary, BaseFormsFollowWordNetsMorphology)
{
    const OpenDictionary open = fixtureDictionary();
    ASSERT_EQ(open.wordCount(), 12);
    struct Case
    {
        const char* word;
        QStringList forms;
    };
    const Case cases[] = {
        {"went", {"go"}},             // irregular, from the exception list
        {"children", {"child"}},      // irregular plural
        {"Went", {"go"}},             // any letter case
        {"saw", {"see", "saw"}},      // the irregular form first, then the word itself
        {"is", {"be", "i"}},          // the irregular form before the letter the "s" rule leaves
        {"better", {"good", "well"}}, // an exception with a base for two parts of speech
        {"watches", {"watch"}},       // "ches" -> "ch" (noun), "es" -> "" (verb)
        {"watched", {"watch"}},       // "ed" -> ""
        {"books", {"book"}},          // "s" -> ""
        {"glass", {"glass"}},         // no "glas" from a word ending in "ss"
        {"glasses", {"glass"}},       // "ses" -> "s"
        {"goods", {"good"}},          // a noun rule for a word that is a noun too
        {"gooder", {"good"}},         // "er" -> "" only for adjectives
        {"running", {}},              // the rules leave "runn" and "runne": not in the index
        {"kelvaro", {}},              // nothing holds it
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(open.baseForms(QString::fromUtf8(c.word)), c.forms) << c.word;
    }
}

TEST(OpenDictionary, EntriesCarryPartsChineseAndSensesInOrder)
{
    const OpenDictionary open = fixtureDictionary();
    const std::optional<OpenEntry> go = open.lookUp(u"went");
    ASSERT_TRUE(go.has_value());
    EXPECT_EQ(go->baseForm, QStringLiteral("go"));
    EXPECT_EQ(go->parts, QStringLiteral("vn"));
    EXPECT_EQ(go->chinese, QStringLiteral("去"));
    ASSERT_EQ(go->senses.size(), 2);
    EXPECT_EQ(go->senses[0].part, QChar(u'v'));
    EXPECT_EQ(go->senses[0].definition,
              QStringLiteral("change location; move, travel, or proceed"));
    EXPECT_EQ(openMeaningText(*go), QStringLiteral("去\nv. change location; move, travel, or "
                                                   "proceed\nn. a board game for two players"));
    // No Chinese: the meaning starts with the first sense.
    EXPECT_EQ(openMeaningText(*open.entry(u"well")),
              QStringLiteral("adv. in a good or proper or satisfactory manner"));
}

TEST(OpenDictionary, DamagedOrMissingFilesFindNothingAndNeverCrash)
{
    EXPECT_FALSE(OpenDictionary::load(QStringLiteral("/no/such/open-dictionary.txt")).ok());
    EXPECT_TRUE(OpenDictionary::load(QStringLiteral("/no/such/open-dictionary.txt"))
                    .error()
                    .contains(QStringLiteral("open-dictionary.txt")));
    const QByteArray damaged[] = {"",
                                  "@words",
                                  "@words\n",
                                  "@forms\nwent\n@words\ngo",
                                  "@words\n\t\t\t\n|\n",
                                  "@forms\nwent\tv\n@words\ngo\tv\t\tv\n",
                                  "no sections at all\ngo\tv\t\tv:x\n"};
    for (const QByteArray& bytes : damaged) {
        const OpenDictionary open(bytes);
        const std::optional<OpenEntry> entry = open.lookUp(u"went");
        if (entry)
            EXPECT_EQ(entry->baseForm, QStringLiteral("go")) << bytes.constData();
        EXPECT_FALSE(open.lookUp(u"kelvaro").has_value());
    }
}

TEST(OpenLookup, TheFolderWinsThenItsEntryOfABaseFormThenTheOpenEntry)
{
    const Dictionary folder = folderDictionary();
    const OpenDictionary open = fixtureDictionary();
    struct Case
    {
        const char* word;
        bool found;
        bool openEntry;
        const char* headword;
        const char* meaningStart;
    };
    const Case cases[] = {
        {"book", true, false, "book", "n. 书"},            // the folder holds it: its own entry
        {"books", true, false, "book", "n. 书"},           // the folder's suffix rule, as before
        {"walked", true, false, "walk", "v. 走"},          // likewise
        {"went", true, true, "go", "去\nv. change"},       // only WordNet holds "go"
        {"children", true, true, "child", "孩子，儿童"},   // an irregular plural
        {"watches", true, true, "watch", "手表"},          // a regular one the folder cannot place
        {"well", true, true, "well", "adv. "},             // no Chinese: English only
        {"kelvaro", false, false, "kelvaro", "<没找到!>"}, // nothing holds it
    };
    for (const Case& c : cases) {
        const LookupResult result = lookUpWithOpen(folder, open, QString::fromUtf8(c.word));
        EXPECT_EQ(result.found, c.found) << c.word;
        EXPECT_EQ(result.openEntry, c.openEntry) << c.word;
        EXPECT_EQ(result.headword, QString::fromUtf8(c.headword)) << c.word;
        EXPECT_TRUE(result.meaning.startsWith(QString::fromUtf8(c.meaningStart)))
            << c.word << ": " << result.meaning.toStdString();
        if (c.openEntry)
            EXPECT_TRUE(result.pronunciation.isEmpty()) << "the voice transcribes, not the file";
    }
    // The folder's entry of a base form WordNet gives: "saw" -> the folder's "see".
    const Dictionary withSee(QStringLiteral("$see[siː]v. 看见$"));
    const LookupResult saw = lookUpWithOpen(withSee, open, u"saw");
    EXPECT_TRUE(saw.found);
    EXPECT_FALSE(saw.openEntry);
    EXPECT_EQ(saw.headword, QStringLiteral("see"));
    EXPECT_EQ(saw.pronunciation, QStringLiteral("siː"));
    // Without an open dictionary every lookup is the folder's alone.
    EXPECT_FALSE(lookUpWithOpen(folder, OpenDictionary(), u"went").found);
}

TEST(OpenLookup, ImportedSentencesTakeWordNetsBaseFormsBeforeTheSuffixRules)
{
    const Dictionary folder = folderDictionary();
    const OpenDictionary open = fixtureDictionary();
    const DictionaryLemmas plain(folder, QStringLiteral("lib.dll"));
    const DictionaryLemmas withOpen(folder, QStringLiteral("lib.dll"), &open);
    struct Case
    {
        const char* word;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"is", "i", "be"},           // the fault the open dictionary mends
        {"went", "", "go"},          // a base form the folder lacks is still the right one
        {"books", "book", "book"},   // the folder's headword
        {"walking", "walk", "walk"}, // the suffix rule where WordNet does not know the word
        {"kelvaro", "", ""},         // nothing: the import keeps the word itself
    };
    for (const Case& c : cases) {
        EXPECT_EQ(plain.lemmaFor(QString::fromUtf8(c.word)), QString::fromUtf8(c.before)) << c.word;
        EXPECT_EQ(withOpen.lemmaFor(QString::fromUtf8(c.word)), QString::fromUtf8(c.after))
            << c.word;
    }
}

TEST(WordNetMorphology, DetachmentRulesInWordNetsOrder)
{
    auto forms = [](const char* word) {
        QStringList out;
        for (const DetachedForm& f : detachedForms(QString::fromUtf8(word)))
            out.append(QString(f.part) + QLatin1Char(':') + f.form);
        return out;
    };
    EXPECT_EQ(forms("boxes"), (QStringList{"n:boxe", "n:box", "v:boxe", "v:box"}));
    EXPECT_EQ(forms("women"), (QStringList{"n:woman"}));
    EXPECT_EQ(forms("cities"), (QStringList{"n:citie", "n:city", "v:citie", "v:city", "v:citi"}));
    EXPECT_EQ(forms("making"), (QStringList{"v:make", "v:mak"}));
    EXPECT_EQ(forms("largest"), (QStringList{"a:larg", "a:large"}));
    EXPECT_EQ(forms("class"), (QStringList{"v:clas"}));
    EXPECT_TRUE(forms("s").isEmpty()); // a suffix alone leaves no word
}
