#pragma once

#include "playback/PcmSound.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace kelvaro {

/// A recording of length ms of near silence (a faint hiss) with 440 Hz tone over each
/// [begin, end) stretch in ms.
PcmSound toneRecording(int rate, int channels, qint64 lengthMs,
                       const std::vector<std::pair<qint64, qint64>>& tones);

/// Writes sound as a wav file at path; false on failure.
bool writeTestWav(const QString& path, const PcmSound& sound);

/// A digest of every file's relative path and bytes under root.
QByteArray folderDigest(const QString& root);

/// Writes bytes to path; false on failure.
bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace kelvaro
