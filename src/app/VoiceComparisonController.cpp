// The voice picture's handlers of the window.
#include "MainController.h"

#include "VoiceComparing.h"

namespace kelvaro {

void MainController::voiceLessonClicked(double seconds)
{
    playLessonVoiceFrom(m_context, seconds);
    done();
}

void MainController::voiceTakeClicked(double seconds)
{
    playTakeFrom(m_context, seconds);
    done();
}

} // namespace kelvaro
