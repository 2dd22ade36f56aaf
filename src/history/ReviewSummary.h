#pragma once

#include "SpellingPattern.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace kelvaro {

/// A sentence of a lesson, as the history names it.
struct SentenceRef
{
    QString book;
    QString lesson;
    int sentence = 0;
};

/// A sentence due for review.
struct DueSentence
{
    SentenceRef ref;
    QDateTime lastSeen; ///< local time of the last outcome
    QDate due;
    double stability = 0;
};

/// A word the learner keeps missing.
struct MissedWord
{
    QString word;
    int misses = 0;
    QStringList wrongForms;           ///< most frequent first
    std::vector<SentenceRef> sources; ///< the sentences it was missed in
    int rightDays = 0;                ///< days typed right since the last miss
};

/// How often a misspelling pattern occurred, with the latest example.
struct PatternCount
{
    SpellingPattern pattern = SpellingPattern::Other;
    int count = 0;
    QString exampleTyped;
    QString exampleWord;
};

/// One day of the progress chart.
struct DayTotals
{
    QDate day;
    int practised = 0; ///< sentence outcomes (dictation test and free spelling)
    int passed = 0;
    double voiceAverage = -1; ///< average read-after score; -1 without a take that day
};

/// What the review tab and `kelvaro-tool review` show for one day.
struct ReviewSummary
{
    QDate today;
    std::vector<DueSentence> due; ///< the first of them when a limit was asked for
    int dueCount = 0;             ///< every sentence due today
    std::vector<MissedWord> missedWords;
    std::vector<PatternCount> patterns; ///< most frequent first
    std::vector<DayTotals> days;        ///< the 30 days up to today, oldest first
    int streak = 0;                     ///< days practised in a row, up to today (or yesterday)
    int outcomes = 0;                   ///< outcomes recorded in all
};

} // namespace kelvaro
