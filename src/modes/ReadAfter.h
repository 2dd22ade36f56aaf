#pragma once

#include "MainState.h"

#include "ports/VoiceRecorder.h"

namespace kelvaro {

/// The read-after recorder: "录音" discards the last take and records a new one (nothing
/// without a microphone).
void startRecording(MainState& state, VoiceRecorder& recorder);

/// "停止": the take ends and can be played back. (The caller also pauses the lesson reading.)
void stopRecording(MainState& state, VoiceRecorder& recorder);

/// "您的读音": the take from its start.
void playRecording(VoiceRecorder& recorder);

/// What the read-after panel says when there is no microphone.
QString microphoneMissingNotice();

/// The read-after panel's hint line: why it cannot compare (the lesson's recording cannot be
/// played, or there is no microphone), else how to use it.
QString readAfterHint(const MainState& state);

/// Opens the recorder at start-up on the program folder's recorder file, and notes whether
/// there is a microphone.
void openRecorder(MainState& state, VoiceRecorder& recorder);

/// Notes again whether there is a microphone; true when that changed.
bool checkMicrophone(MainState& state, const VoiceRecorder& recorder);

} // namespace kelvaro
