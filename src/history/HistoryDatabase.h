#pragma once

#include "PracticeOutcome.h"
#include "ReviewSummary.h"

#include <QString>

#include <functional>
#include <vector>

namespace kelvaro {

/// The history file: one SQLite connection of its own (a connection serves one thread), the
/// schema and its migrations, the writes and the queries of the review.
class HistoryDatabase
{
public:
    /// The schema this code writes; older files are migrated step by step on opening.
    static constexpr int kSchemaVersion = 2;

    /// How opening went.
    enum class Opening {
        Opened,     ///< the file is ready (new, current or migrated)
        SetAside,   ///< the file was damaged: it was renamed to setAsidePath(), a new one started
        Unwritable, ///< the file could not be opened or created; nothing can be kept
    };

    explicit HistoryDatabase(const QString& path);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase&) = delete;
    HistoryDatabase& operator=(const HistoryDatabase&) = delete;

    /// Opens (or creates) the file, checks it when check is set, sets a damaged one aside and
    /// migrates an older schema. readOnly: a reader's connection that never creates or migrates.
    Opening open(bool check, bool readOnly = false);
    bool isOpen() const;
    /// Where a damaged file was set aside.
    QString setAsidePath() const { return m_setAside; }
    /// The last error, for messages.
    QString lastError() const { return m_error; }
    /// The schema version of the open file.
    int schemaVersion();

    /// Writes outcome in one transaction with the schedule and totals it changes.
    bool write(const PracticeOutcome& outcome);
    /// Writes outcomes in order in one transaction (all or none).
    bool write(const std::vector<PracticeOutcome>& outcomes);
    /// Writes a drill of a missed word: right counts towards leaving the list, wrong as a miss.
    bool writeDrill(const QString& word, const QString& typed, qint64 at);
    /// Deletes lesson's outcomes (every lesson of book when lesson is empty).
    bool forget(const QString& book, const QString& lesson);
    /// The review of today; due lists at most dueListed sentences (-1: all), dueCount all.
    ReviewSummary summary(const QDate& today, int dueListed = -1);
    /// Number of outcomes kept.
    int outcomeCount();

    /// The local calendar day of a time, as the file stores days.
    static qint64 dayOf(qint64 at);

private:
    bool exec(const QString& sql);
    bool writeOne(const PracticeOutcome& outcome);
    bool migrate(int from);
    bool rebuildTotals();
    bool updateCard(const PracticeOutcome& outcome, qint64 day);
    bool addMiss(qint64 outcomeId, const PracticeOutcome& outcome, const WrongWord& wrong,
                 qint64 day);
    bool addRightDay(const QString& word, qint64 day);
    bool transaction(const std::function<bool()>& work);

    QString m_path;
    QString m_connection;
    QString m_setAside;
    QString m_error;
};

} // namespace kelvaro
