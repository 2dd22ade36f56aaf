#include "Dictionary.h"

#include "TextFile.h"

namespace kelvaro {

namespace {

/// One candidate of a suffix group: the word's first L - cut characters, then append if set.
struct SuffixCandidate
{
    qsizetype cut;
    char16_t append;
};

struct SuffixGroup
{
    const char16_t* ending;
    int count;
    SuffixCandidate candidates[4];
};

// The groups' endings differ in their last letter (g, r, t, s, d), so at most one applies to
// any word and the order of this table cannot change which one is chosen.
const SuffixGroup kSuffixGroups[] = {
    {u"ing", 3, {{3, 0}, {3, u'e'}, {4, 0}}},
    {u"er", 4, {{2, 0}, {2, u'e'}, {3, u'y'}, {3, 0}}},
    {u"est", 3, {{3, 0}, {2, 0}, {4, u'y'}}},
    {u"s", 3, {{1, 0}, {2, 0}, {3, u'y'}}},
    {u"ed", 4, {{2, 0}, {2, u'e'}, {3, u'y'}, {3, 0}}},
};

} // namespace

Dictionary::Dictionary(QString text) : m_text(std::move(text)), m_index(m_text) {}

Result<Dictionary> Dictionary::load(const QString& path)
{
    Result<QString> text = readTextFile(path);
    if (!text.ok()) {
        const QString message = text.error();
        return Error{message.contains(path)
                         ? message
                         : QStringLiteral("无法读取词典文件：%1（%2）").arg(path, message)};
    }
    return Dictionary(std::move(text).value());
}

std::optional<DictionaryEntry> Dictionary::findHeadword(QStringView word) const
{
    const qsizetype pos = m_index.find(m_text, word);
    if (pos < 0)
        return std::nullopt;

    const QStringView t = m_text;
    qsizetype end = t.indexOf(u'$', pos + 1);
    if (end < 0)
        end = t.size(); // a last entry without its closing "$" runs to the end
    const QStringView entry = t.sliced(pos, end - pos);

    DictionaryEntry result;
    result.entryPos = pos;
    const qsizetype open = entry.indexOf(u'[', 1);
    if (open < 0) {
        // Only a word holding "$" gets here: its match ends past this entry's end.
        result.headword = entry.sliced(1).toString();
        return result;
    }
    result.headword = entry.sliced(1, open - 1).toString();
    // Searched after the "[" so that a "]" in the headword cannot cut the pronunciation short.
    const qsizetype close = entry.indexOf(u']', open + 1);
    if (close < 0) {
        result.pronunciation = entry.sliced(open + 1).toString();
        return result;
    }
    result.pronunciation = entry.sliced(open + 1, close - open - 1).toString();
    result.meaning = entry.sliced(close + 1).toString();
    return result;
}

LookupResult Dictionary::lookUpWord(QStringView word) const
{
    LookupResult result;
    std::optional<DictionaryEntry> entry = findHeadword(word);
    if (!entry) {
        for (const QString& candidate : suffixCandidates(word)) {
            entry = findHeadword(candidate);
            if (entry) {
                result.viaSuffixRule = true;
                break;
            }
        }
    }
    if (!entry) {
        result.headword = word.toString();
        result.meaning = notFoundMeaning();
        return result;
    }
    result.found = true;
    result.headword = std::move(entry->headword);
    result.pronunciation = std::move(entry->pronunciation);
    result.meaning = std::move(entry->meaning);
    result.entryPos = entry->entryPos;
    return result;
}

QVector<QString> Dictionary::suffixCandidates(QStringView word)
{
    QVector<QString> candidates;
    for (const SuffixGroup& group : kSuffixGroups) {
        if (!word.endsWith(QStringView(group.ending))) // exact: "WALKING" is no "ing" word
            continue;
        for (int i = 0; i < group.count; ++i) {
            const SuffixCandidate& c = group.candidates[i];
            const qsizetype length = word.size() - c.cut;
            if (length < 0)
                continue; // too short for this cut: it cannot be found, so it is not tried
            QString candidate = word.first(length).toString();
            if (c.append)
                candidate += QChar(c.append);
            candidates.append(std::move(candidate));
        }
        break;
    }
    return candidates;
}

} // namespace kelvaro
