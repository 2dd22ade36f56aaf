// The read-after tab's voice comparison as the window runs it: from "停止" to the comparison
// (cut of the lesson recording, both analyses, the alignment), and one tick of the play
// cursors with the window drawn and painted. The speech is the demo's own spoken lesson
// recording, so the demo folder must have been generated next to the executables
// (build/bin/kelvaro-demo --out build/bin).
#include "LessonTexts.h"
#include "ShellFixture.h"

#include "app/MainController.h"
#include "app/VoiceComparing.h"
#include "playback/SegmentRenderer.h"
#include "ui/MainWindow.h"
#include "ui/ModePanel.h"
#include "ui/QtTextMeasurer.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QPixmap>

#include <benchmark/benchmark.h>

using namespace kelvaro;

namespace {

// A stretch of the demo's lesson 1 recording with about 5 s of speech (its second and third
// sentences), and another 5 s of it for the learner's take.
constexpr double kSentenceStart = 2.393;
constexpr double kSentenceEnd = 7.4;
constexpr double kTakeStart = 7.4;
constexpr double kTakeEnd = 12.4;

QString demoRecording()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Sound/Kelvaro/1.mp3");
}

/// The stretch as the recorder would hold it: 16 kHz mono 16-bit.
std::vector<short> takeFrom(const QString& recording, double start, double end)
{
    const Result<PcmSound> sound = renderSegment(recording, start, end);
    if (!sound || !sound.value().format.valid())
        return {};
    const PcmSound& pcm = sound.value();
    const int channels = pcm.format.channels;
    const qint64 frames = pcm.frames();
    const double step = double(pcm.format.rate) / kVoiceRate;
    std::vector<short> take(size_t(double(frames) / step));
    for (size_t i = 0; i < take.size(); ++i) {
        const qint64 frame = std::min(frames - 1, qint64(double(i) * step));
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += pcm.samples[size_t(frame * channels + c)];
        take[i] = short(sum / channels);
    }
    return take;
}

/// The shell in the read-after tab on a one-sentence lesson over the demo's speech, and the
/// window on it.
class VoiceWindow
{
public:
    VoiceWindow()
    {
        Settings settings = defaultSettings();
        settings.modeIndex = modeNumber(Mode::ReadAfter);
        QFile recording(demoRecording());
        ok = shell.folder.isValid() && recording.open(QIODevice::ReadOnly) &&
             shell.folder.writeBytes(QStringLiteral("Sound/Kelvaro/1.mp3"), recording.readAll()) &&
             shell.writeLesson(1, lessonText({lessonRecord(
                                      QStringLiteral("^Good $good$^morning$morning$^.^"),
                                      QStringLiteral("早上好。"), QString::number(kSentenceStart),
                                      QString::number(kSentenceEnd))})) &&
             shell.writeSettings(settings) && controller.startUp();
        take = takeFrom(demoRecording(), kTakeStart, kTakeEnd);
        ok = ok && !take.empty();
        shell.background.runPending();
        ok = ok && context.state.readAfter.lessonVoice != nullptr;
        window.refresh();
    }

    /// "录音", the take, "停止", and the job run to its end.
    void recordAndCompare(bool lessonReady)
    {
        controller.perform(Command::Record);
        shell.recorder.setTake(take);
        if (!lessonReady)
            context.state.readAfter.lessonVoice.reset();
        controller.perform(Command::StopRecording);
        shell.background.runPending();
    }

    ShellFixture shell;
    QtTextMeasurer measurer{shell.screen.logicalDpi()};
    TwipScale scale{shell.screen.logicalDpi()};
    MainContext context{shell.folder.root(),
                        Ports{shell.timers, shell.lessonPlayer, shell.wordPlayer, shell.dialogs,
                              shell.desktop, shell.screen, measurer, shell.recorder, shell.feedback,
                              shell.background}};
    MainController controller{context};
    MainWindow window{controller, scale};
    std::vector<short> take;
    bool ok = false;
};

/// "停止" to the comparison in the state, for a 5 s take of a 5 s sentence. Arg 1: the
/// sentence's reading was analysed on arrival (the usual case); 0: the job analyses it too.
void BM_ReadAfterStopToComparison(benchmark::State& state)
{
    VoiceWindow voice;
    if (!voice.ok) {
        state.SkipWithError("no demo recording: run build/bin/kelvaro-demo --out build/bin");
        return;
    }
    const bool lessonReady = state.range(0) != 0;
    for (auto _ : state) {
        voice.recordAndCompare(lessonReady);
        if (!voice.context.state.readAfter.comparison) {
            state.SkipWithError("no comparison");
            return;
        }
    }
    state.counters["score"] = voice.context.state.readAfter.comparison->score;
}
BENCHMARK(BM_ReadAfterStopToComparison)
    ->ArgName("lessonReady")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond); // goal: under 50 ms

/// One tick of the cursor timer while the take plays, with the window drawn and the panel
/// painted: what the learner's machine does 25 times a second then.
void BM_ReadAfterCursorTick(benchmark::State& state)
{
    VoiceWindow voice;
    if (!voice.ok) {
        state.SkipWithError("no demo recording: run build/bin/kelvaro-demo --out build/bin");
        return;
    }
    voice.recordAndCompare(true);
    double at = 0;
    for (auto _ : state) {
        at = at < 4.9 ? at + 0.04 : 0;
        voice.shell.recorder.setPlaybackPosition(at);
        voiceCursorTick(voice.context);
        voice.window.refresh();
        const QPixmap picture = voice.window.panel(Mode::ReadAfter)->grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(BM_ReadAfterCursorTick)->Unit(benchmark::kMillisecond); // goal: well under 40 ms

} // namespace
