#pragma once

#include "ports/HistoryStore.h"

#include <utility>
#include <vector>

namespace kelvaro {

/// Keeps the outcomes in memory, in order; the review is whatever the test sets.
class FakeHistoryStore : public HistoryStore
{
public:
    void record(const PracticeOutcome& outcome) override { outcomes.push_back(outcome); }
    void forget(const QString& book, const QString& lesson) override
    {
        forgotten.emplace_back(book, lesson);
    }
    ReviewSummary summary(const QDate& today) override
    {
        ReviewSummary result = review;
        result.today = today;
        result.dueCount = dueCount >= 0 ? dueCount : int(result.due.size());
        return result;
    }
    void recordDrill(const QString& word, const QString& typed, qint64 at) override
    {
        drills.push_back({word, typed, at});
    }

    struct Drill
    {
        QString word;
        QString typed;
        qint64 at;
    };
    std::vector<PracticeOutcome> outcomes;
    std::vector<std::pair<QString, QString>> forgotten;
    std::vector<Drill> drills;
    ReviewSummary review;
    int dueCount = -1; ///< more due than review lists; -1: just those listed
};

/// A wall clock the test sets.
class FakeWallClock : public WallClock
{
public:
    qint64 now() const override { return time; }
    qint64 time = 0;
};

} // namespace kelvaro
