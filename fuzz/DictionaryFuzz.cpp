// The dictionary: any text indexed, then lookups of arbitrary words with the suffix rules.
// The index must give exactly what a plain first-occurrence scan of the text gives.
#include "FuzzCheck.h"

#include "content/Dictionary.h"
#include "content/TextFile.h"
#include "content/TextRules.h"

using namespace kelvaro;

namespace {

// The first "$" + word + "[" of the text, A-Z without case.
qsizetype scan(QStringView text, QStringView word)
{
    for (qsizetype p = text.indexOf(u'$'); p >= 0; p = text.indexOf(u'$', p + 1)) {
        const qsizetype bracket = p + 1 + word.size();
        if (bracket < text.size() && text[bracket] == u'[' &&
            equalsIgnoreAsciiCase(text.mid(p + 1, word.size()), word))
            return p;
    }
    return -1;
}

void checkLookup(const Dictionary& dictionary, const QString& word)
{
    const qsizetype expected = scan(dictionary.text(), word);
    const std::optional<DictionaryEntry> entry = dictionary.findHeadword(word);
    FUZZ_CHECK(entry.has_value() == (expected >= 0));
    if (entry) {
        FUZZ_CHECK(entry->entryPos == expected);
        // A word holding markup matches across it, as the plain scan does.
        FUZZ_CHECK(equalsIgnoreAsciiCase(entry->headword, word) || word.contains(u'$') ||
                   word.contains(u'['));
    }

    const LookupResult result = dictionary.lookUpWord(word);
    qsizetype viaRule = -1;
    if (expected < 0) {
        for (const QString& candidate : Dictionary::suffixCandidates(word)) {
            FUZZ_CHECK(candidate.size() <= word.size());
            if ((viaRule = scan(dictionary.text(), candidate)) >= 0)
                break;
        }
    }
    const qsizetype found = expected >= 0 ? expected : viaRule;
    FUZZ_CHECK(result.found == (found >= 0));
    FUZZ_CHECK(result.entryPos == found);
    FUZZ_CHECK(result.viaSuffixRule == (expected < 0 && viaRule >= 0));
    if (!result.found) {
        FUZZ_CHECK(result.headword == word);
        FUZZ_CHECK(result.meaning == notFoundMeaning());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [content, argument] = fuzz::splitAtLastNul(data, size);
    const QString word = QString::fromUtf8(argument);
    const Dictionary dictionary(textFromBytes(content));

    checkLookup(dictionary, word);
    checkLookup(dictionary, word.toUpper());
    // The words that stand in the text itself, as a lesson would ask for them.
    int asked = 0;
    const QString& text = dictionary.text();
    for (qsizetype p = text.indexOf(u'$'); p >= 0 && asked < 16; p = text.indexOf(u'$', p + 1)) {
        const qsizetype bracket = text.indexOf(u'[', p + 1);
        if (bracket < 0)
            break;
        const QString headword = text.mid(p + 1, bracket - p - 1);
        checkLookup(dictionary, headword);
        checkLookup(dictionary, headword + QStringLiteral("ing"));
        ++asked;
    }
    return 0;
}
