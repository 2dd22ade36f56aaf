// segment: what the lesson player emits for one stretch of a recording, as a wave file; with
// --speed, what it plays at that speed (the same time-stretch).
#include "Commands.h"
#include "ToolIo.h"

#include "content/ReadingSpeed.h"
#include "playback/SegmentRenderer.h"
#include "playback/WavFile.h"

namespace kelvaro::tool {

int segmentCommand(const QStringList& args)
{
    const QString usage =
        QStringLiteral("usage: kelvaro-tool segment AUDIO START END OUT.wav [--speed SPEED]");
    QStringList positional = args;
    double speed = 1.0;
    if (const qsizetype at = positional.indexOf(QStringLiteral("--speed")); at >= 0) {
        bool ok = false;
        speed = at + 1 < positional.size() ? positional[at + 1].toDouble(&ok) : 0.0;
        if (!ok || speed < kSlowestSpeed || speed > kFastestSpeed) {
            writeErr(QStringLiteral("SPEED is a decimal number from %1 to %2.\n")
                         .arg(kSlowestSpeed)
                         .arg(kFastestSpeed) +
                     usage);
            return kUsage;
        }
        positional.remove(at, 2);
    }
    if (positional.size() != 4)
        return writeErr(usage), kUsage;
    const auto stretch = readStretch(positional[1], positional[2], usage);
    if (!stretch)
        return kUsage;
    const auto [start, end] = *stretch;
    const auto sound = renderSegment(positional[0], start, end, speed);
    if (!sound)
        return writeErr(sound.error()), kRefused;
    const Status written = writeWav(positional[3], sound.value());
    if (!written)
        return writeErr(written.error()), kRefused;
    writeOut(QStringLiteral("%1: %2 frames at %3 Hz, %4 channel(s)\n")
                 .arg(positional[3])
                 .arg(sound->frames())
                 .arg(sound->format.rate)
                 .arg(sound->format.channels));
    return kOk;
}

} // namespace kelvaro::tool
