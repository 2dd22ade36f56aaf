// The results view's handlers of the window.
#include "MainController.h"

#include "LessonCompletion.h"
#include "ResultsActions.h"

namespace kelvaro {

void MainController::showResults()
{
    if (!m_context.state.lessonOpen)
        return;
    kelvaro::showResults(m_context);
    done();
}

void MainController::showResultsPage(bool bookPage)
{
    kelvaro::showResultsPage(m_context, bookPage);
    done();
}

void MainController::closeResults()
{
    kelvaro::closeResults(m_context);
    done();
}

void MainController::resultsSentenceClicked(const QString& entry)
{
    kelvaro::resultsSentenceClicked(m_context, entry);
    done();
}

void MainController::clearLessonResults()
{
    confirmAndClearLessonResults(m_context);
    done();
}

void MainController::clearBookResults()
{
    confirmAndClearBookResults(m_context);
    done();
}

} // namespace kelvaro
