#pragma once
// The lesson player's calls as timelines ("ms call"), for lessons whose sentence s runs from
// second 2s - 1 to second 2s, read by a player that reaches the end 1010 ms after play.
#include <QString>
#include <QStringList>

namespace kelvaro {

/// The player's calls of a reading of sentence s started at ms, up to its end.
inline QStringList reading(int ms, int s)
{
    const QString at = QString::number(ms) + u' ';
    return {at + QStringLiteral("setPosition %1").arg(2 * s - 1), at + QStringLiteral("play"),
            QString::number(ms + 1010) + QStringLiteral(" pause")};
}

/// Sentence s shown at ms (its end becomes the player's fence), then its reading.
inline QStringList arrival(int ms, int s)
{
    return QStringList{QString::number(ms) + QStringLiteral(" setEndFence %1").arg(2 * s)} +
           reading(ms, s);
}

/// The entries of a timeline up to and including ms.
inline QStringList upTo(const QStringList& timeline, int ms)
{
    QStringList kept;
    for (const QString& entry : timeline) {
        if (entry.section(u' ', 0, 0).toInt() <= ms)
            kept.append(entry);
    }
    return kept;
}

} // namespace kelvaro
