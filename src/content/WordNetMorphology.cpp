#include "WordNetMorphology.h"

#include <algorithm>

namespace kelvaro {

namespace {

struct Rule
{
    char part;
    const char16_t* suffix;
    const char16_t* ending;
};

// WordNet's own table (morph.c), in its order.
constexpr Rule kRules[] = {
    {'n', u"s", u""},      {'n', u"ses", u"s"},   {'n', u"xes", u"x"},   {'n', u"zes", u"z"},
    {'n', u"ches", u"ch"}, {'n', u"shes", u"sh"}, {'n', u"men", u"man"}, {'n', u"ies", u"y"},
    {'v', u"s", u""},      {'v', u"ies", u"y"},   {'v', u"es", u"e"},    {'v', u"es", u""},
    {'v', u"ed", u"e"},    {'v', u"ed", u""},     {'v', u"ing", u"e"},   {'v', u"ing", u""},
    {'a', u"er", u""},     {'a', u"est", u""},    {'a', u"er", u"e"},    {'a', u"est", u"e"},
};

} // namespace

QVector<DetachedForm> detachedForms(QStringView word)
{
    QVector<DetachedForm> forms;
    // "ss" nouns (glass, boss) are no plurals; WordNet skips them the same way.
    const bool ss = word.endsWith(u"ss");
    for (const Rule& rule : kRules) {
        const QStringView suffix(rule.suffix);
        if (word.size() <= suffix.size() || !word.endsWith(suffix))
            continue;
        if (ss && rule.part == 'n' && suffix == u"s")
            continue;
        QString form = word.chopped(suffix.size()).toString();
        form.append(QStringView(rule.ending));
        const bool known = std::any_of(forms.cbegin(), forms.cend(), [&](const DetachedForm& f) {
            return f.part == QChar(rule.part) && f.form == form;
        });
        if (!known) // "es" -> "e" and "s" -> "" leave the same verb
            forms.append(DetachedForm{QChar(rule.part), std::move(form)});
    }
    return forms;
}

} // namespace kelvaro
