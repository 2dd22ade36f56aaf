#include "WordList.h"

namespace kelvaro {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

} // namespace

bool isWordSpelling(QStringView text)
{
    if (text.isEmpty() || !isAsciiLetter(text.front()) || !isAsciiLetter(text.back()))
        return false;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isAsciiLetter(c))
            continue;
        if ((c == u'\'' || c == u'-') && isAsciiLetter(text[i - 1]))
            continue;
        return false;
    }
    return true;
}

QString asciiLowerCase(QStringView text)
{
    QString lower = text.toString();
    for (QChar& c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return lower;
}

QString WordList::lookUp(const QString& word) const
{
    for (const QHash<QString, int>* index : {&m_headwords, &m_forms}) {
        if (auto it = index->constFind(word); it != index->cend())
            return m_entries[*it].headword;
    }
    const QString lower = asciiLowerCase(word);
    for (const QHash<QString, int>* index : {&m_lowerHeadwords, &m_lowerForms}) {
        if (auto it = index->constFind(lower); it != index->cend())
            return m_entries[*it].headword;
    }
    return {};
}

QString WordList::lemmaFor(QStringView word) const
{
    QString found = lookUp(word.toString());
    if (found.isEmpty() && word.size() > 2 && word.endsWith(u"'s"))
        found = lookUp(word.chopped(2).toString());
    return found;
}

QString WordList::headwordFor(QStringView name) const
{
    const auto it = m_lowerHeadwords.constFind(asciiLowerCase(name));
    return it == m_lowerHeadwords.cend() ? QString() : m_entries[*it].headword;
}

Result<WordList> WordList::parse(const QString& text, const QString& fileName)
{
    WordList list;
    list.m_fileName = fileName;
    QStringList faults;
    auto fault = [&](int line, const QString& what) {
        faults << QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(what);
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() < 2 || fields.size() > 3) {
            fault(lineNumber, QStringLiteral("expected \"headword | meaning | forms\""));
            continue;
        }
        WordListEntry entry;
        entry.line = lineNumber;
        entry.headword = fields[0].trimmed();
        entry.meaning = fields[1].trimmed();
        if (fields.size() == 3)
            entry.forms = fields[2].split(QLatin1Char(' '), Qt::SkipEmptyParts);

        if (!isWordSpelling(entry.headword)) {
            fault(lineNumber, QStringLiteral("headword \"%1\" is not a word").arg(entry.headword));
            continue;
        }
        if (entry.meaning.isEmpty())
            fault(lineNumber, QStringLiteral("\"%1\" has no meaning").arg(entry.headword));
        // "$" ends a dictionary entry.
        if (entry.meaning.contains(QLatin1Char('$')))
            fault(lineNumber, QStringLiteral("the meaning may not contain \"$\""));

        const QString lower = asciiLowerCase(entry.headword);
        // Lookups ignore case, so a second spelling of a headword could never be found.
        if (auto it = list.m_lowerHeadwords.constFind(lower); it != list.m_lowerHeadwords.cend()) {
            fault(lineNumber, QStringLiteral("\"%1\" repeats the headword of line %2")
                                  .arg(entry.headword)
                                  .arg(list.m_entries[*it].line));
            continue;
        }
        const int index = int(list.m_entries.size());
        for (const QString& form : std::as_const(entry.forms)) {
            if (!isWordSpelling(form)) {
                fault(lineNumber, QStringLiteral("form \"%1\" is not a word").arg(form));
                continue;
            }
            const QString lowerForm = asciiLowerCase(form);
            if (auto it = list.m_lowerForms.constFind(lowerForm); it != list.m_lowerForms.cend()) {
                fault(lineNumber,
                      QStringLiteral("form \"%1\" is also listed under \"%2\" (line %3)")
                          .arg(form, list.m_entries[*it].headword)
                          .arg(list.m_entries[*it].line));
                continue;
            }
            list.m_forms.insert(form, index);
            list.m_lowerForms.insert(lowerForm, index);
        }
        list.m_headwords.insert(entry.headword, index);
        list.m_lowerHeadwords.insert(lower, index);
        list.m_entries.append(std::move(entry));
    }
    if (!faults.isEmpty())
        return Error{faults.join(QLatin1Char('\n'))};
    return list;
}

} // namespace kelvaro
