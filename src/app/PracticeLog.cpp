#include "PracticeLog.h"

#include "modes/MainState.h"
#include "ports/HistoryStore.h"

#include <QRegularExpression>

namespace kelvaro {

namespace {

// A word as shown ("there ", "Tom.") to the word itself.
QString bareWord(const QString& shown)
{
    static const QRegularExpression edges(QStringLiteral("^[^A-Za-z0-9']+|[^A-Za-z0-9']+$"));
    return QString(shown).remove(edges);
}

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[^A-Za-z0-9']+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

} // namespace

PracticeLog::PracticeLog(HistoryStore& store, const WallClock& clock)
    : m_store(store), m_clock(clock)
{
}

PracticeOutcome PracticeLog::outcomeFor(const MainState& state, PracticeKind kind) const
{
    PracticeOutcome outcome;
    outcome.kind = kind;
    outcome.book = state.BookName;
    outcome.lesson = QString::number(state.LessonNumber);
    outcome.sentence = state.CurrentSentence;
    outcome.at = m_clock.now();
    return outcome;
}

void PracticeLog::keepSentence(const MainState& state)
{
    const QString key = QStringLiteral("%1/%2/%3")
                            .arg(state.BookName)
                            .arg(state.LessonNumber)
                            .arg(state.CurrentSentence);
    if (key == m_sentenceKey)
        return;
    m_sentenceKey = key;
    m_wrong.clear();
    m_right.clear();
}

void PracticeLog::dictationWordWrong(const MainState& state, const QString& word,
                                     const QString& typed)
{
    keepSentence(state);
    m_wrong.push_back({bareWord(word), typed});
}

void PracticeLog::dictationWordRight(const MainState& state, const QString& word)
{
    keepSentence(state);
    const QString bare = bareWord(word);
    const bool missedHere = std::any_of(m_wrong.begin(), m_wrong.end(), [&](const WrongWord& w) {
        return w.word.compare(bare, Qt::CaseInsensitive) == 0;
    });
    if (!missedHere)
        m_right.push_back(bare);
}

void PracticeLog::dictationScored(const MainState& state, bool passed, int score, int hints)
{
    keepSentence(state);
    PracticeOutcome outcome = outcomeFor(state, PracticeKind::DictationSentence);
    outcome.passed = passed;
    outcome.score = score;
    outcome.hints = hints;
    outcome.wrongWords = std::exchange(m_wrong, {});
    outcome.rightWords = std::exchange(m_right, {});
    m_store.record(outcome);
}

void PracticeLog::spellingChecked(const MainState& state, bool right, const QString& typed)
{
    PracticeOutcome outcome = outcomeFor(state, PracticeKind::FreeSpelling);
    outcome.passed = right;
    outcome.score = right ? 100 : 0;
    if (!right)
        outcome.wrongWords = wrongWordsOf(state.sentence.SenEnglishTextLabel.caption, typed);
    m_store.record(outcome);
}

void PracticeLog::fillInWord(const MainState& state, const QString& word, bool right, bool hinted)
{
    PracticeOutcome outcome = outcomeFor(state, PracticeKind::FillInWord);
    outcome.word = word;
    outcome.passed = right;
    outcome.hints = hinted ? 1 : 0;
    m_store.record(outcome);
}

void PracticeLog::readAfterScored(const MainState& state, int score)
{
    PracticeOutcome outcome = outcomeFor(state, PracticeKind::ReadAfter);
    outcome.score = score;
    outcome.passed = score >= 60;
    m_store.record(outcome);
}

std::vector<WrongWord> PracticeLog::wrongWordsOf(const QString& right, const QString& typed)
{
    const QStringList rightWords = wordsOf(right);
    const QStringList typedWords = wordsOf(typed);
    std::vector<WrongWord> wrong;
    if (rightWords.size() != typedWords.size())
        return wrong;
    for (qsizetype i = 0; i < rightWords.size(); ++i) {
        if (rightWords[i].compare(typedWords[i], Qt::CaseInsensitive) != 0)
            wrong.push_back({rightWords[i], typedWords[i]});
    }
    return wrong;
}

} // namespace kelvaro
