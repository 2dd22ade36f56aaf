#pragma once

#include "content/Result.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace kelvaro {

/// Mono 16-bit sound in memory.
struct MonoSound
{
    int sampleRate = 0;
    QVector<qint16> samples;
};

/// The mono sound of a wave file as the player's parseWav reads it; a sound with more than one
/// channel is refused. name is used in the message.
Result<MonoSound> parseMonoWav(const QByteArray& bytes, const QString& name);

/// The canonical 44-byte-header wave file of sound.
QByteArray wavBytes(const MonoSound& sound);

/// The samples [first, end) from the first to the last one whose magnitude exceeds
/// threshold; first == end when there is none.
struct SampleSpan
{
    qsizetype first = 0;
    qsizetype end = 0;
    qsizetype size() const { return end - first; }
};
SampleSpan audibleSpan(const QVector<qint16>& samples, int threshold);

/// The audible part of sound with padding samples of silence either side.
MonoSound trimmedSound(const MonoSound& sound, int threshold, qsizetype padding);

} // namespace kelvaro
