#include "VoiceComparing.h"

#include "LessonOpening.h"
#include "SentenceDisplay.h"

#include "analysis/VoiceAnalysis.h"
#include "modes/ReadAfter.h"
#include "playback/SegmentRenderer.h"

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

constexpr int kCursorIntervalMs = 40;

/// Exactly the samples the lesson player plays for the stretch, analysed; null when the
/// recording cannot be read or holds nothing of the stretch (the tab then shows no picture
/// and says nothing).
std::shared_ptr<const VoiceTrack> analyseLessonCut(const QString& path, double start, double end)
{
    const Result<PcmSound> sound = renderSegment(path, start, end);
    if (!sound || !sound.value().format.valid() || sound.value().frames() == 0)
        return nullptr; // also a sentence past the end of a recording cut short
    const PcmSound& pcm = sound.value();
    return std::make_shared<const VoiceTrack>(analyseVoice(
        voiceSignal(pcm.samples, pcm.format.channels, pcm.format.rate), VoiceReading::Lesson));
}

QString lessonAudio(const MainState& state)
{
    return lessonRecording(state);
}

double sentenceStart(const MainState& state)
{
    return state.SentenceStart;
}

double sentenceLength(const MainState& state)
{
    return std::max(0.0, state.SentenceEnd - sentenceStart(state));
}

/// Whether a result for cut still belongs to what the window shows.
bool stillShown(const MainContext& context, const QString& cut)
{
    return !cut.isEmpty() && cut == voiceCut(context.state) && cut == context.voiceJobs.shownCut;
}

} // namespace

QString voiceCut(const MainState& state)
{
    if (!state.lessonOpen || state.CurrentSentence < 1 ||
        state.CurrentSentence > state.SentenceCount || !state.recordingProblem.isEmpty())
        return {};
    const QString audio = lessonAudio(state);
    if (audio.isEmpty())
        return {};
    // The times as stored: two texts that read as the same number are still two cuts.
    const SentenceFields& fields = state.fields(state.CurrentSentence);
    return QStringLiteral("%1|%2|%3|%4")
        .arg(audio)
        .arg(state.CurrentSentence)
        .arg(QString::number(fields.start, 'g', 17), QString::number(fields.end, 'g', 17));
}

void installVoiceComparing(MainContext& context)
{
    Timer* timer = context.timers.VoiceCursorTimer;
    timer->setInterval(kCursorIntervalMs);
    timer->setHandler([&context] {
        if (voiceCursorTick(context))
            context.notifyChanged();
    });
}

void followVoiceSentence(MainContext& context)
{
    MainState& state = context.state;
    ReadAfterView& view = state.readAfter;
    VoiceJobs& jobs = context.voiceJobs;
    const QString cut = voiceCut(state);
    if (cut != jobs.shownCut) {
        // Another sentence: its pictures go; the take itself stays playable.
        view.lessonVoice.reset();
        view.comparison.reset();
        ++jobs.takeGeneration;
        jobs.shownCut = cut;
    }
    // One analysis at a time: when the learner moves on quickly, the one under way finishes
    // and then the sentence shown by then is analysed, not every sentence passed on the way.
    if (state.ModeIndex != Mode::ReadAfter || cut.isEmpty() || view.lessonVoice ||
        !jobs.pendingCut.isEmpty())
        return;
    jobs.pendingCut = cut;
    const QString path = lessonAudio(state);
    const double start = sentenceStart(state);
    const double end = state.SentenceEnd;
    context.ports.background.run(
        [&context, cut, path, start, end]() -> BackgroundWork::Continuation {
            std::shared_ptr<const VoiceTrack> track = analyseLessonCut(path, start, end);
            return [&context, cut, track] {
                context.voiceJobs.pendingCut.clear();
                if (!stillShown(context, cut)) {
                    followVoiceSentence(context); // the sentence shown now
                    return;
                }
                ReadAfterView& view = context.state.readAfter;
                if (!track || view.lessonVoice)
                    return;
                view.lessonVoice = track;
                context.notifyChanged();
            };
        });
}

void voiceTakeStarted(MainContext& context)
{
    context.state.readAfter.comparison.reset();
    ++context.voiceJobs.takeGeneration;
}

void compareTake(MainContext& context)
{
    MainState& state = context.state;
    const int generation = ++context.voiceJobs.takeGeneration;
    state.readAfter.comparison.reset();
    const QString cut = voiceCut(state);
    if (cut.isEmpty())
        return;
    std::shared_ptr<const VoiceTrack> lesson = state.readAfter.lessonVoice;
    std::vector<short> take = context.ports.recorder.take();
    const QString path = lessonAudio(state);
    const double start = sentenceStart(state);
    const double end = state.SentenceEnd;
    context.ports.background.run([&context, cut, generation, lesson, take = std::move(take), path,
                                  start, end]() -> BackgroundWork::Continuation {
        std::shared_ptr<const VoiceTrack> lessonTrack =
            lesson ? lesson : analyseLessonCut(path, start, end);
        if (!lessonTrack)
            return {};
        // An empty take is analysed too: the comparison then says nothing was heard.
        const VoiceTrack takeTrack = analyseVoice(voiceSignal(take, 1, kVoiceRate));
        auto comparison =
            std::make_shared<const VoiceComparison>(compareVoices(*lessonTrack, takeTrack));
        return [&context, cut, generation, lessonTrack, comparison] {
            if (!stillShown(context, cut))
                return;
            ReadAfterView& view = context.state.readAfter;
            if (!view.lessonVoice)
                view.lessonVoice = lessonTrack;
            if (generation == context.voiceJobs.takeGeneration) {
                view.comparison = comparison;
                if (context.practiceLog && comparison->advice != VoiceAdvice::NoSpeech)
                    context.practiceLog->readAfterScored(context.state, comparison->score);
            }
            context.notifyChanged();
        };
    });
}

void followVoiceCursors(MainContext& context)
{
    Timer* timer = context.timers.VoiceCursorTimer;
    if (context.state.ModeIndex == Mode::ReadAfter && !timer->isEnabled())
        timer->setEnabled(true);
}

bool voiceCursorTick(MainContext& context)
{
    MainState& state = context.state;
    double lesson = -1;
    double take = -1;
    if (state.ModeIndex == Mode::ReadAfter) {
        const MediaPlayer& player = context.ports.lessonPlayer;
        if (player.isPlaying() && state.SentenceCount > 0) {
            // A seek lands on a whole sample: a hair before the start still counts as the start.
            const double into = player.position() - sentenceStart(state);
            if (into > -0.005 && into <= sentenceLength(state))
                lesson = std::max(0.0, into);
        }
        take = std::max(-1.0, context.ports.recorder.playbackPosition());
    }
    if (lesson < 0 && take < 0)
        context.timers.VoiceCursorTimer->setEnabled(false);
    ReadAfterView& view = state.readAfter;
    const bool moved = lesson != view.lessonCursor || take != view.takeCursor;
    view.lessonCursor = lesson;
    view.takeCursor = take;
    return moved;
}

bool microphonesChanged(MainContext& context)
{
    MainState& state = context.state;
    if (!checkMicrophone(state, context.ports.recorder))
        return false;
    if (state.readAfter.microphoneMissing && state.readAfter.RecordStopCommandEnabled) {
        stopRecording(state, context.ports.recorder);
        compareTake(context);
    }
    return true;
}

void watchMicrophones(MainContext& context)
{
    context.ports.recorder.setInputsChangedHandler([&context] {
        if (microphonesChanged(context))
            context.notifyChanged();
    });
}

void playLessonVoiceFrom(MainContext& context, double seconds)
{
    MainState& state = context.state;
    if (!state.lessonOpen || state.SentenceCount == 0)
        return;
    const double into = std::clamp(std::isnan(seconds) ? 0.0 : seconds, 0.0, sentenceLength(state));
    state.CurrentReadCount = 0;
    // The fence of the sentence shown: the reading stops at its end, as "标准读音" does.
    context.ports.lessonPlayer.setEndFence(state.SentenceEnd);
    playSentenceFrom(context, sentenceStart(state) + into);
    followVoiceCursors(context);
}

void playTakeFrom(MainContext& context, double seconds)
{
    if (!context.state.readAfter.UserVoiceCommandEnabled)
        return; // no take yet
    VoiceRecorder& recorder = context.ports.recorder;
    recorder.playFrom(std::clamp(std::isnan(seconds) ? 0.0 : seconds, 0.0, recorder.takeSeconds()));
    followVoiceCursors(context);
}

} // namespace kelvaro
