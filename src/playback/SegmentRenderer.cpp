#include "SegmentRenderer.h"

#include "LessonPlayer.h"
#include "NullAudioOutput.h"

namespace kelvaro {

Result<PcmSound> renderSegment(const QString& path, double start, double end, double speed,
                               std::vector<qint16>* sourceFrames)
{
    auto output = std::make_unique<NullAudioOutput>(NullAudioOutput::Pace::Unpaced);
    NullAudioOutput& capture = *output;
    capture.setCapturing(true);
    LessonPlayer player(std::move(output));
    player.setSpeed(speed);
    player.stretcher().setCapturingSource(sourceFrames != nullptr);
    player.setFile(path);
    if (!player.openError().isEmpty())
        return Error{player.openError()};
    player.setEndFence(end);
    player.setPosition(start);
    player.play();
    // Unpaced, the output takes everything at once: settled means it ran dry.
    while (!player.engine().finished()) {
        if (!capture.settle())
            return Error{QStringLiteral("The recording \"%1\" did not finish decoding.").arg(path)};
    }
    PcmSound sound;
    sound.format = player.engine().format();
    sound.samples = capture.takeCaptured();
    if (sourceFrames)
        *sourceFrames = speed == 1.0 ? sound.samples : player.stretcher().takeCapturedSource();
    return sound;
}

} // namespace kelvaro
