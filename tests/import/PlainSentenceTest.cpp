#include "content/Dictionary.h"
#include "content/DictionaryLemmas.h"
#include "content/Lesson.h"
#include "content/SentenceMarkup.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

TEST(PlainSentence, WordsTakeTheirDictionaryFormsAndMarkupCannotBreakTheRecord)
{
    const Dictionary dictionary(QStringLiteral("$book[buk]n. 书$walk[wɔ:k]v. 走$the[ðə]art.$"));
    const DictionaryLemmas lemmas(dictionary, QStringLiteral("lib.dll"));
    struct Case
    {
        QString text;
        QString field;
    };
    const std::vector<Case> cases = {
        // A headword keeps its spelling; a suffix form takes its headword; others lower case.
        {QStringLiteral("The books walked  home."),
         QStringLiteral("^The $The$^books $book$^walked $walk$^home$home$^.^")},
        // Typeset apostrophes join words; markup characters turn full-width.
        {QStringLiteral("Tom’s 50$ * #1^x"), QStringLiteral("^Tom's $tom's$^50＄ ＊ ＃1＾^x$x$^")},
        {QStringLiteral(" \"Café\" — well-known! "),
         QStringLiteral("^\"^Café$café$^\" — ^well-known$well-known$^!^")},
    };
    for (const Case& c : cases) {
        const QString field = englishField(segmentPlainSentence(c.text, lemmas));
        EXPECT_EQ(field, c.field) << c.text.toStdString();
        const QString record = field + QStringLiteral("#中#0#1###");
        EXPECT_EQ(recordSegments(record).size(), field.count(u'^') - 1) << c.text.toStdString();
    }
}

} // namespace
