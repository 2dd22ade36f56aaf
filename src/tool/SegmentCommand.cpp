// segment: what the lesson player emits for one stretch of a recording, as a wave file.
#include "Commands.h"
#include "ToolIo.h"

#include "playback/SegmentRenderer.h"
#include "playback/WavFile.h"

namespace kelvaro::tool {

int segmentCommand(const QStringList& args)
{
    const QString usage = QStringLiteral("usage: kelvaro-tool segment AUDIO START END OUT.wav");
    if (args.size() != 4)
        return writeErr(usage), kUsage;
    const auto stretch = readStretch(args[1], args[2], usage);
    if (!stretch)
        return kUsage;
    const auto [start, end] = *stretch;
    const auto sound = renderSegment(args[0], start, end);
    if (!sound)
        return writeErr(sound.error()), kRefused;
    const Status written = writeWav(args[3], sound.value());
    if (!written)
        return writeErr(written.error()), kRefused;
    writeOut(QStringLiteral("%1: %2 frames at %3 Hz, %4 channel(s)\n")
                 .arg(args[3])
                 .arg(sound->frames())
                 .arg(sound->format.rate)
                 .arg(sound->format.channels));
    return kOk;
}

} // namespace kelvaro::tool
