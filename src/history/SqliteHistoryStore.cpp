#include "SqliteHistoryStore.h"

#include "HistoryDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace kelvaro {

namespace {

// The tab lists this many due sentences; a review run fetches the next ones as it goes.
constexpr int kDueListed = 300;

} // namespace

QString historyFilePath(const QString& settingFolder)
{
    return QDir(settingFolder).filePath(QStringLiteral("History.db"));
}

SqliteHistoryStore::SqliteHistoryStore(const QString& path, ProblemHandler problems)
    : m_path(path), m_problems(std::move(problems))
{
    m_thread = std::thread([this] { run(); });
}

SqliteHistoryStore::~SqliteHistoryStore()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
    m_reader.reset();
}

void SqliteHistoryStore::report(const QString& message)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_reported)
            return;
        m_reported = true;
    }
    if (m_problems)
        m_problems(message);
}

void SqliteHistoryStore::run()
{
    HistoryDatabase database(m_path);
    const QString name = QDir::toNativeSeparators(m_path);
    switch (database.open(true)) {
    case HistoryDatabase::Opening::Opened:
        break;
    case HistoryDatabase::Opening::SetAside:
        report(QStringLiteral("学习记录文件“%1”已损坏，已另存为“%2”，并新建了一个学习记录文件。")
                   .arg(name, QDir::toNativeSeparators(database.setAsidePath())));
        break;
    case HistoryDatabase::Opening::Unwritable: {
        {
            std::lock_guard lock(m_mutex);
            m_keeping = false;
        }
        report(QStringLiteral("无法写入学习记录文件“%1”（文件夹只读或磁盘已满）。练习可以照常进行，"
                              "但本次的练习结果不会被记录。")
                   .arg(name));
        break;
    }
    }
    {
        std::lock_guard lock(m_mutex);
        m_opened = true;
    }
    m_idle.notify_all();
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_jobs.empty())
                break;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_busy = true;
        }
        if (database.isOpen())
            job(database);
        {
            std::lock_guard lock(m_mutex);
            m_busy = false;
        }
        m_idle.notify_all();
    }
}

void SqliteHistoryStore::post(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_keeping)
            return;
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void SqliteHistoryStore::record(const PracticeOutcome& outcome)
{
    post([this, outcome](HistoryDatabase& database) {
        if (database.write(outcome))
            return;
        {
            std::lock_guard lock(m_mutex);
            m_keeping = false;
        }
        report(QStringLiteral("无法写入学习记录文件“%1”（%2）。练习可以照常进行，"
                              "但之后的练习结果不会被记录。")
                   .arg(QDir::toNativeSeparators(m_path), database.lastError()));
    });
}

void SqliteHistoryStore::recordDrill(const QString& word, const QString& typed, qint64 at)
{
    post([word, typed, at](HistoryDatabase& database) { database.writeDrill(word, typed, at); });
}

void SqliteHistoryStore::forget(const QString& book, const QString& lesson)
{
    post([book, lesson](HistoryDatabase& database) { database.forget(book, lesson); });
}

void SqliteHistoryStore::flush()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_opened && m_jobs.empty() && !m_busy; });
}

bool SqliteHistoryStore::keeping() const
{
    std::lock_guard lock(m_mutex);
    return m_keeping;
}

ReviewSummary SqliteHistoryStore::summary(const QDate& today)
{
    {
        // The reader opens only once the writer has checked the file (or set it aside).
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_opened; });
    }
    if (!m_reader) {
        m_reader = std::make_unique<HistoryDatabase>(m_path);
        if (m_reader->open(false, true) != HistoryDatabase::Opening::Opened) {
            m_reader.reset();
            ReviewSummary empty;
            empty.today = today;
            return empty;
        }
    }
    return m_reader->summary(today, kDueListed);
}

} // namespace kelvaro
