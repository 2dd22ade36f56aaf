#pragma once

#include <QStringView>

#include <vector>

namespace kelvaro {

/// Where each headword of a dictionary text first occurs, so that a lookup gives exactly what a
/// scan of the text for "$" + word + "[" (A-Z without case, first occurrence) would give.
/// It holds positions only; the text is passed in again on every lookup.
class HeadwordIndex
{
public:
    HeadwordIndex() = default;
    /// Indexes every "$" of text that reaches a "[" before the next "$"; equal keys keep the first.
    explicit HeadwordIndex(QStringView text);

    /// 0-based position of the first "$" + word + "[" in text (the indexed one); -1 if none.
    qsizetype find(QStringView text, QStringView word) const;

private:
    // Open addressing with linear probing: no allocation per key, and a miss costs one or two
    // cache lines, which keeps every suffix candidate of a lookup well under a microsecond.
    struct Slot
    {
        quint32 hash = 0;
        quint32 length = 0; ///< headword length: the "[" is at pos + 1 + length
        qsizetype pos = -1; ///< -1: empty
    };

    static quint32 hashKey(QStringView word);
    /// The slot holding word's key, or the empty slot where it would go.
    size_t slotFor(QStringView text, QStringView word, quint32 hash) const;

    std::vector<Slot> m_slots;
};

} // namespace kelvaro
