#pragma once

#include "history/PracticeOutcome.h"
#include "history/ReviewSummary.h"

#include <QDate>

namespace kelvaro {

/// The learner's history of practice outcomes. Recording never waits on the disk.
class HistoryStore
{
public:
    virtual ~HistoryStore() = default;
    /// Keeps outcome (written later when the store writes off the window's thread).
    virtual void record(const PracticeOutcome& outcome) = 0;
    /// Forgets every outcome of lesson (of book), or of the whole book when lesson is empty;
    /// the later lessons of the book move down one number, as their files do.
    virtual void forget(const QString& book, const QString& lesson) = 0;
    /// The review for today: due sentences, missed words, patterns, the last 30 days.
    virtual ReviewSummary summary(const QDate& today) = 0;
    /// A drill of a missed word: right or wrong at the given time.
    virtual void recordDrill(const QString& word, const QString& typed, qint64 at) = 0;
};

/// Wall-clock time for the history (what day it is); the wiring place chooses it.
class WallClock
{
public:
    virtual ~WallClock() = default;
    /// Milliseconds since the epoch, UTC.
    virtual qint64 now() const = 0;
};

} // namespace kelvaro
