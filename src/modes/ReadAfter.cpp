#include "ReadAfter.h"

#include <utility>

namespace kelvaro {

QString microphoneMissingNotice()
{
    return QStringLiteral("没有找到麦克风，无法录音。接上麦克风后即可录音。");
}

QString readAfterHint(const MainState& state)
{
    if (!state.recordingProblem.isEmpty())
        return state.recordingProblem + QStringLiteral("，无法对比读音。");
    if (state.readAfter.microphoneMissing)
        return microphoneMissingNotice();
    return QStringLiteral("先听标准读音，再录下自己的读音，对比一下。");
}

void openRecorder(MainState& state, VoiceRecorder& recorder)
{
    recorder.close();
    recorder.open(state.folder.recorder());
    state.readAfter.microphoneMissing = !recorder.microphoneAvailable();
}

bool checkMicrophone(MainState& state, const VoiceRecorder& recorder)
{
    const bool missing = !recorder.microphoneAvailable();
    return std::exchange(state.readAfter.microphoneMissing, missing) != missing;
}

void startRecording(MainState& state, VoiceRecorder& recorder)
{
    if (state.readAfter.microphoneMissing)
        return;
    openRecorder(state, recorder); // a fresh open discards the previous take
    recorder.record();
    state.readAfter.RecordStopCommandEnabled = true;
}

void stopRecording(MainState& state, VoiceRecorder& recorder)
{
    state.readAfter.RecordStopCommandEnabled = false;
    state.readAfter.UserVoiceCommandEnabled = true;
    recorder.stop();
}

void playRecording(VoiceRecorder& recorder)
{
    recorder.playFromStart();
}

} // namespace kelvaro
