#pragma once

#include "ports/HistoryStore.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace kelvaro {

class HistoryDatabase;

/// The history in its SQLite file: outcomes are written by a thread of its own with its own
/// connection, so recording costs the window a queue push; the review is read on the caller's
/// thread through a second connection (WAL lets it read while the writer writes).
class SqliteHistoryStore : public HistoryStore
{
public:
    /// A problem the learner is to be told of, once: a damaged file set aside, a folder that
    /// cannot be written. Called on the writing thread; the wiring place passes it on.
    using ProblemHandler = std::function<void(const QString& message)>;

    /// path: the history file. The file is opened (and checked) on the writing thread.
    SqliteHistoryStore(const QString& path, ProblemHandler problems);
    /// Writes what is queued, then closes.
    ~SqliteHistoryStore() override;

    void record(const PracticeOutcome& outcome) override;
    void forget(const QString& book, const QString& lesson) override;
    ReviewSummary summary(const QDate& today) override;
    void recordDrill(const QString& word, const QString& typed, qint64 at) override;

    /// Waits until everything queued so far is written (tests, the tool, shutting down).
    void flush();
    /// Whether outcomes are being kept (false once the file could not be opened or written).
    bool keeping() const;

private:
    using Job = std::function<void(HistoryDatabase&)>;
    void post(Job job);
    void run();
    void report(const QString& message);

    QString m_path;
    ProblemHandler m_problems;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_busy = false;
    bool m_opened = false; ///< the writer has opened (and checked) the file
    bool m_keeping = true;
    bool m_stopping = false;
    bool m_reported = false;
    std::unique_ptr<HistoryDatabase> m_reader;
    std::thread m_thread;
};

/// The history file of a program folder's SETTING folder.
QString historyFilePath(const QString& settingFolder);

} // namespace kelvaro
