#pragma once

#include "MainContext.h"

namespace kelvaro {

/// The read-after tab's pictures: the lesson's reading of the sentence shown and the learner's
/// take, analysed off the window's thread, and the play cursors over them.

/// What the analyses of the sentence shown belong to: the lesson recording and the sentence's
/// stretch of it. Empty when there is no sentence to analyse or its recording cannot be played.
QString voiceCut(const MainState& state);

/// Installs the cursor timer; the context's timers exist already.
void installVoiceComparing(MainContext& context);

/// A sentence was shown or a tab entered: the results of another sentence go, and in the
/// read-after tab the lesson's reading of this one is analysed unless it already is.
void followVoiceSentence(MainContext& context);

/// "录音": the comparison with the previous take goes.
void voiceTakeStarted(MainContext& context);

/// "停止": the take is analysed and compared with the lesson's reading, in one background job.
void compareTake(MainContext& context);

/// A reading of the sentence or of the take has started: in the read-after tab the cursors
/// follow it.
void followVoiceCursors(MainContext& context);

/// The cursor timer's tick: the cursors where the readings are heard, -1 where nothing
/// plays; the timer stops once nothing does. Returns whether a cursor moved.
bool voiceCursorTick(MainContext& context);

/// The system's audio inputs changed: "录音" follows whether a microphone is there, and a take
/// being recorded when the last one goes ends as "停止" ends it. Returns whether that changed.
bool microphonesChanged(MainContext& context);

/// Has the recorder report its inputs' changes to microphonesChanged, the window drawn again.
void watchMicrophones(MainContext& context);

/// A click on the lesson's picture: the sentence from seconds into it (kept inside it) to its end.
void playLessonVoiceFrom(MainContext& context, double seconds);

/// A click on the take's picture: the take from seconds into it (kept inside it).
void playTakeFrom(MainContext& context, double seconds);

} // namespace kelvaro
