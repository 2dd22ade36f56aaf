#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <functional>

namespace kelvaro {

/// The format to record in: wanted when the device takes it, otherwise the device's own
/// preferred format (the take is converted afterwards).
QAudioFormat chooseDeviceFormat(const QAudioFormat& wanted, const QAudioFormat& preferred,
                                const std::function<bool(const QAudioFormat&)>& supported);

/// Interleaved PCM in from, as PCM in to: channels mixed down or repeated, samples converted
/// (8-bit unsigned, 16- and 32-bit signed, float) and the rate changed by linear interpolation.
/// Empty when either format is not a PCM format of those kinds.
QByteArray convertPcm(const QByteArray& data, const QAudioFormat& from, const QAudioFormat& to);

} // namespace kelvaro
