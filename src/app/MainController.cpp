#include "MainController.h"

#include "ContinuousReading.h"
#include "ExitCheck.h"
#include "FillInActions.h"
#include "LessonOpening.h"
#include "ModeSwitching.h"
#include "SentenceDisplay.h"
#include "StartUp.h"
#include "VoiceComparing.h"
#include "WindowModes.h"
#include "WordCueActions.h"
#include "WordTools.h"

#include "RepeatScheduler.h"

#include "modes/FullTextPage.h"
#include "modes/ReadAfter.h"
#include "modes/Recall.h"
#include "modes/TranslationPage.h"

#include <utility>

namespace kelvaro {

MainController::MainController(MainContext& context, QObject* parent)
    : QObject(parent), m_context(context)
{
    createTimers(m_context);
    m_context.stateChanged = [this] { emit changed(); };
}

void MainController::done()
{
    emit changed();
}

bool MainController::startUp()
{
    const bool ok = kelvaro::startUp(m_context);
    done();
    return ok;
}

Status MainController::shutDown()
{
    return kelvaro::shutDown(m_context);
}

bool MainController::mayExit()
{
    return kelvaro::mayExit(m_context);
}

void MainController::treeNodeClicked(int node)
{
    kelvaro::treeNodeClicked(m_context, node);
    done();
}

void MainController::tabClicked(Mode mode)
{
    kelvaro::tabClicked(m_context, mode);
    done();
}

void MainController::perform(Command command)
{
    performCommand(m_context, command);
    done();
}

FocusTarget MainController::takeFocusRequest()
{
    return std::exchange(m_context.focus, FocusTarget::None);
}

void MainController::toggleSentenceChinese()
{
    kelvaro::toggleSentenceChinese(m_context);
    done();
}

void MainController::keyPressed(WindowKey key)
{
    if (kelvaro::keyPressed(m_context, key))
        done();
}

void MainController::keyReleased()
{
    kelvaro::keyReleased(m_context);
}

void MainController::maximise()
{
    maximiseWindow(m_context);
    done();
}

void MainController::restore()
{
    restoreWindow(m_context);
    done();
}

void MainController::fullTextCellReleased(int index)
{
    const QVector<int>& cellSentence = m_context.state.fullText.cellSentence;
    if (index < 1 || index >= cellSentence.size())
        return;
    readChosenSentence(m_context, cellSentence[index]);
    kelvaro::hideWordPopup(m_context);
    done();
}

void MainController::sentenceSpeakerClicked(int sentence)
{
    if (sentence < 1 || sentence > m_context.state.SentenceCount)
        return;
    readChosenSentence(m_context, sentence);
    done();
}

void MainController::scrollTranslation(int steps)
{
    scrollSteps(m_context.state.translation.scroll, steps);
    done();
}

void MainController::scrollFullText(int steps)
{
    scrollSteps(m_context.state.fullText.scroll, steps);
    done();
}

} // namespace kelvaro

namespace kelvaro {

void MainController::toggleFullTextChinese()
{
    MainState& state = m_context.state;
    const bool show = state.options.allChineseCheck != FullTextChinese::Shown;
    state.options.allChineseCheck = show ? FullTextChinese::Shown : FullTextChinese::Hidden;
    state.fullText.TipPictureVisible = !show;
    if (state.lessonOpen) {
        layoutFullText(state, show);
        underlineCurrentSentence(state);
        centreFullTextView(state);
        centreTranslationView(state);
    }
    done();
}

} // namespace kelvaro

namespace kelvaro {

void MainController::setRepeatCount(Mode mode, double count)
{
    kelvaro::setRepeatCount(m_context, mode, count);
    done();
}

void MainController::setRepeatPause(Mode mode, int milliseconds)
{
    kelvaro::setRepeatPause(m_context, mode, milliseconds);
    done();
}

void MainController::setPlayMode(int playMode)
{
    m_context.state.options.playMode = playMode != 0;
    done();
}

void MainController::speakerPressed(int sentence)
{
    ElementArray& horns = m_context.state.translation.HornImage;
    if (sentence >= 1 && sentence < horns.size()) {
        // The pressed look: the icon moves a little right and down while the button is down.
        horns[sentence].geometry.left += 15;
        horns[sentence].geometry.top += 15;
        m_pressedSpeaker = sentence;
    }
    m_context.ports.feedback.play(
        m_context.state.folder.feedbackSound(QStringLiteral("MouDown.wav")));
    done();
}

void MainController::restPressedSpeaker()
{
    ElementArray& horns = m_context.state.translation.HornImage;
    if (m_pressedSpeaker >= 1 && m_pressedSpeaker < horns.size()) {
        horns[m_pressedSpeaker].geometry.left -= 15;
        horns[m_pressedSpeaker].geometry.top -= 15;
    }
    m_pressedSpeaker = 0;
}

void MainController::speakerPressCancelled()
{
    restPressedSpeaker();
    done();
}

void MainController::speakerReleased(int sentence)
{
    restPressedSpeaker();
    m_context.ports.feedback.play(
        m_context.state.folder.feedbackSound(QStringLiteral("MouUp.wav")));
    sentenceSpeakerClicked(sentence);
}

void MainController::pointerMovedOver(PointerArea area)
{
    mouseMovedOver(m_context, area);
    // The tip "双击英语句子查看译文" goes once the pointer comes over a page.
    bool& tip = m_context.state.fullText.TipPictureVisible;
    if (tip && area != PointerArea::Tree) {
        tip = false;
        done();
        return;
    }
    if (m_context.focus != FocusTarget::None)
        emit focusRequested();
}

} // namespace kelvaro

namespace kelvaro {

void MainController::sentenceWordClicked(int k)
{
    kelvaro::sentenceWordClicked(m_context, k);
    done();
}

void MainController::fullTextCellRightReleased(int index)
{
    lookUpFullTextWord(m_context, index);
    done();
}

void MainController::hideWordPopup()
{
    if (!m_context.state.wordPopup.visible)
        return;
    kelvaro::hideWordPopup(m_context);
    done();
}

void MainController::wordLinkPressed()
{
    pressWordLink(m_context);
    done();
}

void MainController::wordLinkReleased()
{
    releaseWordLink(m_context);
    done();
}

void MainController::sentenceNoteLeft(int sentence, const QString& text)
{
    leaveNoteBox(m_context, sentence, text);
    done();
}

void MainController::notePlaceholderClicked()
{
    kelvaro::notePlaceholderClicked(m_context);
    done();
}

void MainController::chooseKeyWordColour()
{
    kelvaro::chooseKeyWordColour(m_context);
    done();
}

void MainController::showKeyWordHelp()
{
    kelvaro::showKeyWordHelp(m_context);
}

void MainController::windowMoved(QPoint topLeft)
{
    kelvaro::windowMoved(m_context, topLeft);
}

} // namespace kelvaro

namespace kelvaro {

void MainController::cueLineClicked(CueLine line)
{
    kelvaro::cueLineClicked(m_context, line);
    done();
}

} // namespace kelvaro

namespace kelvaro {

void MainController::recallWordReleased(int k)
{
    cueProgressiveHint(m_context, k);
    done();
}

void MainController::recallWordDoubleClicked(int k)
{
    cueFullReveal(m_context, k);
    done();
}

void MainController::recallWordHovered(int k)
{
    // The pointer moves often: the window is drawn again only when the card changed.
    const bool wasVisible = m_context.state.cue.visible;
    cueHover(m_context, k);
    if (m_context.state.cue.visible != wasVisible)
        done();
}

void MainController::recallBackgroundClicked()
{
    if (!m_context.state.cue.visible)
        return;
    hideWordCue(m_context);
    done();
}

void MainController::toggleRecallChinese()
{
    kelvaro::toggleRecallChinese(m_context.state);
    done();
}

} // namespace kelvaro

namespace kelvaro {

void MainController::fillInTextEdited(const QString& text)
{
    fillInTyped(m_context, text);
    done();
}

bool MainController::fillInSpace()
{
    const bool taken = kelvaro::fillInSpace(m_context);
    if (taken)
        done();
    return taken;
}

void MainController::toggleFillInOption(int option)
{
    kelvaro::toggleFillInOption(m_context, FillInOption(option));
    done();
}

} // namespace kelvaro

namespace kelvaro {

// Whole-lesson pages

void MainController::fullTextCellDoubleClicked(int index)
{
    kelvaro::fullTextCellDoubleClicked(m_context, index);
    done();
}

void MainController::translationLinePressed(int sentence, TranslationSide side)
{
    kelvaro::translationLinePressed(m_context, sentence, side);
}

void MainController::translationLineReleased(int sentence, TranslationSide side)
{
    if (kelvaro::translationLineReleased(m_context, sentence, side))
        done();
}

void MainController::translationLineDoubleClicked(int sentence)
{
    kelvaro::translationLineDoubleClicked(m_context, sentence);
    done();
}

void MainController::chooseRevealMode(int mode)
{
    kelvaro::chooseRevealMode(m_context, mode);
    done();
}

void MainController::translationThumbDragged(int thumbTop)
{
    dragThumb(m_context.state.translation.scroll, thumbTop);
    done();
}

void MainController::fullTextThumbDragged(int thumbTop)
{
    dragThumb(m_context.state.fullText.scroll, thumbTop);
    done();
}

} // namespace kelvaro
