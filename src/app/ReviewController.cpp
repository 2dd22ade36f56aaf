#include "ReviewController.h"

#include "Dictation.h"
#include "LessonOpening.h"
#include "ModeSwitching.h"
#include "SentenceDisplay.h"

#include "modes/Library.h"

#include <QDateTime>

namespace kelvaro {

namespace {

QString refKey(const SentenceRef& ref)
{
    return ref.book + u'/' + ref.lesson + u'/' + QString::number(ref.sentence);
}

} // namespace

ReviewController::ReviewController(MainContext& context, const WallClock& clock)
    : m_context(context), m_clock(clock)
{
    m_context.nextReviewSentence = [this] { return sentencePassed(); };
}

ReviewController::~ReviewController()
{
    m_context.nextReviewSentence = nullptr;
}

QDate ReviewController::today() const
{
    return QDateTime::fromMSecsSinceEpoch(m_clock.now()).date();
}

void ReviewController::reload()
{
    if (m_context.history)
        m_summary = m_context.history->summary(today());
    else {
        m_summary = ReviewSummary{};
        m_summary.today = today();
    }
    emit changed();
}

bool ReviewController::openDue(const SentenceRef& ref)
{
    MainState& state = m_context.state;
    bool number = false;
    const int lesson = ref.lesson.toInt(&number);
    if (!number)
        return false;
    if (state.BookName != ref.book || state.LessonNumber != lesson || !state.lessonOpen) {
        int node = nodeOfLesson(state.library, ref.book, lesson);
        if (node <= 0 && ref.book == builtInBookName())
            node = lesson + 1; // the built-in book's tree: node k + 1 is lesson k

        if (node <= 0)
            return false;
        state.LessonNode = node;
        applyBuiltInBookRule(state);
        state.StartSentence = ref.sentence;
        if (!openLesson(m_context, true))
            return false;
    }
    if (ref.sentence < 1 || ref.sentence > state.SentenceCount)
        return false;
    selectDictationTest(m_context);
    tabClicked(m_context, Mode::DictationTest);
    goToSentence(m_context, ref.sentence, false);
    // A sentence passed before is scored again: its mark is set aside while it is reviewed
    // (the pass writes it back).
    state.SentenceDone = false;
    state.dictation.WriteDoneCueVisible = false;
    resetDictationSentence(m_context);
    playSentenceForMode(m_context);
    emit practiceOpened();
    return true;
}

void ReviewController::queueDue()
{
    m_queue.clear();
    for (const DueSentence& due : m_summary.due) {
        if (!m_passed.contains(refKey(due.ref)))
            m_queue.push_back(due.ref);
    }
    m_moreDue = m_summary.dueCount > int(m_summary.due.size());
}

bool ReviewController::startReview()
{
    reload();
    m_passed.clear();
    queueDue();
    while (!m_queue.empty() && !openDue(m_queue.front()))
        m_queue.pop_front();
    if (m_queue.empty()) {
        m_context.ports.dialogs.information(QStringLiteral("今日复习"),
                                            QStringLiteral("今天没有需要复习的句子。"));
        emit changed();
        return false;
    }
    emit changed();
    return true;
}

bool ReviewController::sentencePassed()
{
    if (m_queue.empty())
        return false;
    const SentenceRef& current = m_queue.front();
    const MainState& state = m_context.state;
    // Only the sentence under review moves the run on.
    if (current.book != state.BookName || current.lesson != QString::number(state.LessonNumber) ||
        current.sentence != state.CurrentSentence)
        return false;
    m_passed.insert(refKey(current));
    m_queue.pop_front();
    while (!m_queue.empty() && !openDue(m_queue.front()))
        m_queue.pop_front();
    if (m_queue.empty() && m_moreDue) {
        // The summary listed only the first of many due sentences: the next ones follow.
        reload();
        queueDue();
        while (!m_queue.empty() && !openDue(m_queue.front()))
            m_queue.pop_front();
    }
    if (m_queue.empty()) {
        m_context.ports.dialogs.information(QStringLiteral("今日复习"),
                                            QStringLiteral("今天的复习已全部完成！"));
        reload();
        return false;
    }
    emit changed();
    return true;
}

void ReviewController::hearWord(const QString& word)
{
    MediaPlayer& player = m_context.ports.wordPlayer;
    player.setFile(m_context.state.folder.wordRecording(word.toLower()));
    player.play();
    player.setPosition(0);
}

bool ReviewController::drillTyped(const QString& word, const QString& typed)
{
    const bool right = typed.trimmed().compare(word, Qt::CaseInsensitive) == 0;
    if (m_context.history)
        m_context.history->recordDrill(word, typed.trimmed(), m_clock.now());
    return right;
}

} // namespace kelvaro
