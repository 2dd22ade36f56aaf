#include "ReadAfter.h"

namespace kelvaro {

void openRecorder(MainState& state, VoiceRecorder& recorder)
{
    recorder.close();
    recorder.open(state.folder.recorder());
}

void startRecording(MainState& state, VoiceRecorder& recorder)
{
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
