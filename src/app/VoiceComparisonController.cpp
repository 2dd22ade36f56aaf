// The voice picture's handlers of the window.
#include "MainController.h"

namespace kelvaro {

void MainController::voiceLessonClicked(double seconds)
{
    (void)seconds;
}

void MainController::voiceTakeClicked(double seconds)
{
    (void)seconds;
}

} // namespace kelvaro
