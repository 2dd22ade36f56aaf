#include "DictationRules.h"

#include "content/TextRules.h"

namespace kelvaro {

namespace {

// The letter rule of free spelling: a character whose lower-case form lies between "a" and "z".
bool isAsciiLetter(QChar c)
{
    const QChar lower = asciiLower(c);
    return lower >= u'a' && lower <= u'z';
}

// The form two characters are compared in: ASCII case folded, the curly apostrophe straight.
QChar comparable(QChar c)
{
    if (c == QChar(0x2019))
        return u'\'';
    return asciiLower(c);
}

} // namespace

bool isWordEnding(QChar c)
{
    return c == u' ' || c == u',' || c == u'.' || c == u'?' || c == u'!';
}

QString typedWordForm(const QString& display)
{
    qsizetype end = display.size();
    while (end > 0 && display[end - 1] == u' ')
        --end;
    return display.left(end);
}

bool matchesWord(const QString& typed, const QString& display)
{
    const QString word = typedWordForm(display);
    if (typed.size() != word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (comparable(typed[i]) != comparable(word[i]))
            return false;
    }
    return true;
}

BoxJudgement judgeBoxText(const QString& text, const QString& display)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == u' ')
        ++first;
    QString rest = text.mid(first);
    if (rest.isEmpty())
        return {BoxVerdict::Nothing, {}};
    const qsizetype wordLength = typedWordForm(display).size();
    const auto ended = [wordLength](const QString& t) {
        return !t.isEmpty() && isWordEnding(t.back()) && t.size() - 1 >= wordLength;
    };
    if (!ended(rest))
        return {BoxVerdict::Typed, rest};
    while (ended(rest))
        rest.chop(1);
    if (matchesWord(rest, display))
        return {BoxVerdict::Accepted, {}};
    return {BoxVerdict::Wrong, rest};
}

QString maskEnglishLine(const QString& english)
{
    QString mask = english;
    for (QChar& c : mask) {
        if (isAsciiLetter(c))
            c = u'_';
    }
    return mask;
}

SpellingCheck checkFreeSpelling(const QString& english, const QString& typed)
{
    QString reference;
    for (QChar c : english) {
        if (isAsciiLetter(c))
            reference.append(asciiLower(c));
    }
    SpellingCheck check;
    qsizetype letters = 0;
    for (qsizetype p = 0; p < typed.size(); ++p) {
        if (!isAsciiLetter(typed[p]))
            continue;
        const QChar letter = asciiLower(typed[p]);
        if (letters >= reference.size() || reference[letters] != letter) {
            check.wrongAt = int(p);
            return check;
        }
        ++letters;
    }
    check.passed = letters == reference.size();
    return check;
}

} // namespace kelvaro
