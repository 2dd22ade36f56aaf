// The dictation tab's handlers of the window: free spelling and the dictation test.
#include "MainController.h"

#include "Dictation.h"
#include "DictationScoring.h"
#include "FreeSpellingActions.h"

namespace kelvaro {

void MainController::dictationTextChanged(const QString& text)
{
    kelvaro::dictationTextChanged(m_context, text);
    done();
}

void MainController::dictationKeyPressed()
{
    if (kelvaro::dictationKeyPressed(m_context))
        done();
}

void MainController::selectFreeSpelling()
{
    kelvaro::selectFreeSpelling(m_context);
    done();
}

void MainController::selectDictationTest()
{
    kelvaro::selectDictationTest(m_context);
    done();
}

void MainController::setPassMark(int passMark)
{
    kelvaro::setPassMark(m_context, passMark);
    done();
}

void MainController::showScoringRules()
{
    kelvaro::showScoringRules(m_context);
}

void MainController::toggleDictationChinese()
{
    kelvaro::toggleDictationChinese(m_context);
    done();
}

bool MainController::spellingKeyPressed(bool enter, const QString& text)
{
    const bool swallowed = freeSpellingKeyPressed(m_context, enter, text);
    done();
    return swallowed;
}

void MainController::spellingTextEdited(const QString& text)
{
    freeSpellingTextEdited(m_context, text);
}

void MainController::englishLineClicked()
{
    kelvaro::englishLineClicked(m_context);
    done();
}

void MainController::chineseLineClicked()
{
    kelvaro::chineseLineClicked(m_context);
    done();
}

void MainController::toggleWriteEnglishCheck()
{
    kelvaro::toggleWriteEnglishCheck(m_context);
    done();
}

void MainController::toggleWriteChineseCheck()
{
    kelvaro::toggleWriteChineseCheck(m_context);
    done();
}

} // namespace kelvaro
