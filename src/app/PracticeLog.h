#pragma once

#include "history/PracticeOutcome.h"

#include <QString>

namespace kelvaro {

class HistoryStore;
class WallClock;
struct MainState;

/// Turns the practice modes' outcomes into history records: which book, lesson and sentence,
/// when, and the words typed wrong along the way. Each outcome point of a mode makes one call.
class PracticeLog
{
public:
    PracticeLog(HistoryStore& store, const WallClock& clock);

    /// A word of the dictation test typed wrong (kept until the sentence is scored).
    void dictationWordWrong(const MainState& state, const QString& word, const QString& typed);
    /// A word of the dictation test accepted.
    void dictationWordRight(const MainState& state, const QString& word);
    /// The dictation test scored the current sentence.
    void dictationScored(const MainState& state, bool passed, int score, int hints);
    /// Free spelling checked the typing of the current sentence.
    void spellingChecked(const MainState& state, bool right, const QString& typed);
    /// The fill-in's blank was filled (right), or overrun (wrong); hinted when a hint was used.
    void fillInWord(const MainState& state, const QString& word, bool right, bool hinted);
    /// A read-after take of the current sentence was scored.
    void readAfterScored(const MainState& state, int score);

    /// The words of a typed sentence set against the right one, word by word, when both have
    /// as many words; the pairs that differ (without regard to case and punctuation).
    static std::vector<WrongWord> wrongWordsOf(const QString& right, const QString& typed);

private:
    PracticeOutcome outcomeFor(const MainState& state, PracticeKind kind) const;
    void keepSentence(const MainState& state);

    HistoryStore& m_store;
    const WallClock& m_clock;
    // The dictation test's sentence under way: its words typed wrong and right so far.
    QString m_sentenceKey;
    std::vector<WrongWord> m_wrong;
    std::vector<QString> m_right;
};

} // namespace kelvaro
