#include "HeadwordIndex.h"

#include "TextRules.h"

#include <algorithm>
#include <bit>

namespace kelvaro {

namespace {

/// The plain scan for "$" + word + "[": A-Z without case, all else exactly, first match wins.
qsizetype scanForHeadword(QStringView text, QStringView word)
{
    for (qsizetype p = text.indexOf(u'$'); p >= 0; p = text.indexOf(u'$', p + 1)) {
        const qsizetype bracket = p + 1 + word.size();
        if (bracket >= text.size())
            return -1; // every later "$" is even closer to the end
        if (text[bracket] == u'[' && equalsIgnoreAsciiCase(text.sliced(p + 1, word.size()), word))
            return p;
    }
    return -1;
}

} // namespace

HeadwordIndex::HeadwordIndex(QStringView text)
{
    // Every key is a "$" with its own "[" after it, so there are no more keys than either; a
    // text of "$" runs needs no table the size of its "$" count.
    const qsizetype entries = std::min(text.count(u'$'), text.count(u'['));
    if (entries == 0)
        return;
    m_slots.resize(std::bit_ceil(size_t(entries) * 2)); // load factor at most 1/2
    const qsizetype n = text.size();
    const QChar* chars = text.data();
    qsizetype p = text.indexOf(u'$');
    while (p >= 0) {
        qsizetype q = p + 1;
        while (q < n && chars[q] != u'$' && chars[q] != u'[')
            ++q;
        if (q == n)
            break;
        if (chars[q] == u'$') {
            p = q; // no "[" before the next "$": this "$" opens no reachable headword
            continue;
        }
        const QStringView key = text.sliced(p + 1, q - p - 1);
        const quint32 hash = hashKey(key);
        Slot& slot = m_slots[slotFor(text, key, hash)];
        if (slot.pos < 0) // an equal key already there is an earlier entry and stays
            slot = Slot{hash, quint32(key.size()), p};
        p = text.indexOf(u'$', q + 1);
    }
}

qsizetype HeadwordIndex::find(QStringView text, QStringView word) const
{
    // A headword runs from "$" to the first "[" with no "$" between, so a word holding either
    // character is no key; the scan can still match it across the markup.
    if (word.contains(u'$') || word.contains(u'['))
        return scanForHeadword(text, word);
    if (m_slots.empty())
        return -1;
    return m_slots[slotFor(text, word, hashKey(word))].pos;
}

quint32 HeadwordIndex::hashKey(QStringView word)
{
    // FNV-1a over the case-folded characters, so that keys equal without case hash alike.
    quint64 h = 14695981039346656037ull;
    for (QChar c : word) {
        h ^= asciiLower(c).unicode();
        h *= 1099511628211ull;
    }
    return quint32(h ^ (h >> 32));
}

size_t HeadwordIndex::slotFor(QStringView text, QStringView word, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    // Never endless: the table is at least twice as large as the number of keys.
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.pos < 0 || (slot.hash == hash && slot.length == quint32(word.size()) &&
                             equalsIgnoreAsciiCase(text.sliced(slot.pos + 1, slot.length), word)))
            return i;
    }
}

} // namespace kelvaro
