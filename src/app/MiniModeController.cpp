#include "MiniModeController.h"

#include "ModeSwitching.h"
#include "RepeatScheduler.h"
#include "SentenceDisplay.h"

#include "content/Lesson.h"

namespace kelvaro {

MiniView miniView(const MainContext& context, bool chinese)
{
    const MainState& state = context.state;
    MiniView view;
    view.repeatCount = state.options.sen.count;
    view.playing =
        context.timers.ReadTimer->isEnabled() || context.timers.browsePauseTimer->isEnabled();
    if (!state.lessonOpen) {
        view.title = QStringLiteral("没有打开的课文");
        return view;
    }
    view.title = state.LessonTitle;
    if (state.SentenceCount == 0) {
        view.english = QStringLiteral("这一课没有句子。");
        return view;
    }
    const int s = qBound(1, state.CurrentSentence, state.SentenceCount);
    view.english = englishDisplayText(state.record(s));
    if (chinese)
        view.chinese = state.fields(s).chinese;
    view.position = QStringLiteral("第%1句 / 共%2句").arg(s).arg(state.SentenceCount);
    view.readings = QStringLiteral("已读%1遍").arg(state.CurrentReadCount);
    view.canGoBack = state.backGroupEnabled;
    view.canGoOn = state.nextGroupEnabled;
    return view;
}

MiniModeController::MiniModeController(MainContext& context, QObject* parent)
    : QObject(parent), m_context(context)
{
}

void MiniModeController::done()
{
    emit changed();
}

void MiniModeController::enter()
{
    if (m_active)
        return;
    m_fullWindowMode = m_context.state.ModeIndex;
    // The tab switch stops every reading and pause of the mode left, continuous reading too;
    // from here the browse family's count and pause drive the readings.
    tabClicked(m_context, Mode::SentenceBrowse);
    m_context.state.handsFree = true;
    m_active = true;
    emit entered();
    done();
}

void MiniModeController::leave()
{
    if (!m_active)
        return;
    m_active = false;
    m_context.state.handsFree = false;
    // The mode's room catches up with the sentence reached as it does on a tab click.
    tabClicked(m_context, m_fullWindowMode);
    emit left();
    done();
}

void MiniModeController::playPause()
{
    if (!m_active)
        return;
    if (miniView(m_context, m_chinese).playing) {
        cancelPendingPause(m_context);
        pausePlayers(m_context);
    } else {
        readAloud(m_context);
    }
    done();
}

void MiniModeController::previous()
{
    if (m_active && offeredPreviousSentence(m_context))
        done();
}

void MiniModeController::next()
{
    if (m_active && offeredNextSentence(m_context))
        done();
}

void MiniModeController::toggleChinese()
{
    m_chinese = !m_chinese;
    done();
}

void MiniModeController::setRepeatCount(double count)
{
    kelvaro::setRepeatCount(m_context, Mode::SentenceBrowse, count);
    done();
}

} // namespace kelvaro
