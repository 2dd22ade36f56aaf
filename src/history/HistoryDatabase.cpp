#include "HistoryDatabase.h"

#include "Fsrs.h"
#include "SpellingPattern.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace kelvaro {

namespace {

QAtomicInt connectionCount;

// Version 1: the outcomes, the misses, the schedule and the days a missed word was typed right.
const char* const kVersion1[] = {
    "CREATE TABLE outcomes (id INTEGER PRIMARY KEY, at INTEGER NOT NULL, day INTEGER NOT NULL,"
    " kind INTEGER NOT NULL, book TEXT NOT NULL, lesson TEXT NOT NULL, sentence INTEGER NOT NULL,"
    " passed INTEGER NOT NULL, score INTEGER NOT NULL, hints INTEGER NOT NULL, word TEXT)",
    "CREATE INDEX outcomes_lesson ON outcomes (book, lesson)",
    "CREATE TABLE misses (id INTEGER PRIMARY KEY, outcome INTEGER, at INTEGER NOT NULL,"
    " day INTEGER NOT NULL, word TEXT NOT NULL, typed TEXT NOT NULL, pattern INTEGER NOT NULL,"
    " book TEXT NOT NULL, lesson TEXT NOT NULL, sentence INTEGER NOT NULL)",
    "CREATE INDEX misses_word ON misses (word)",
    "CREATE INDEX misses_lesson ON misses (book, lesson)",
    "CREATE TABLE word_rights (word TEXT NOT NULL, day INTEGER NOT NULL,"
    " PRIMARY KEY (word, day)) WITHOUT ROWID",
    "CREATE TABLE cards (book TEXT NOT NULL, lesson TEXT NOT NULL, sentence INTEGER NOT NULL,"
    " stability REAL NOT NULL, difficulty REAL NOT NULL, last_day INTEGER NOT NULL,"
    " last_at INTEGER NOT NULL, due_day INTEGER NOT NULL, reviews INTEGER NOT NULL,"
    " lapses INTEGER NOT NULL, PRIMARY KEY (book, lesson, sentence)) WITHOUT ROWID",
    "CREATE INDEX cards_due ON cards (due_day)",
};

// Version 2: running totals, so the review tab never scans the outcomes.
const char* const kVersion2[] = {
    "CREATE TABLE days (day INTEGER PRIMARY KEY, practised INTEGER NOT NULL,"
    " passed INTEGER NOT NULL, voice_sum INTEGER NOT NULL, voice_count INTEGER NOT NULL)",
    "CREATE TABLE missed_words (word TEXT PRIMARY KEY, misses INTEGER NOT NULL,"
    " last_day INTEGER NOT NULL, last_at INTEGER NOT NULL) WITHOUT ROWID",
    "CREATE TABLE patterns (pattern INTEGER PRIMARY KEY, count INTEGER NOT NULL,"
    " example_typed TEXT NOT NULL, example_word TEXT NOT NULL, last_at INTEGER NOT NULL)",
};

bool isSentenceKind(PracticeKind kind)
{
    return kind == PracticeKind::DictationSentence || kind == PracticeKind::FreeSpelling;
}

fsrs::Rating ratingOf(const PracticeOutcome& outcome)
{
    if (!outcome.passed)
        return fsrs::Rating::Again;
    return outcome.hints > 0 ? fsrs::Rating::Hard : fsrs::Rating::Good;
}

QSqlQuery prepared(QSqlDatabase db, const QString& sql)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    return query;
}

} // namespace

HistoryDatabase::HistoryDatabase(const QString& path)
    : m_path(path),
      m_connection(QStringLiteral("kelvaro-history-%1").arg(connectionCount.fetchAndAddRelaxed(1)))
{
}

HistoryDatabase::~HistoryDatabase()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

qint64 HistoryDatabase::dayOf(qint64 at)
{
    return QDateTime::fromMSecsSinceEpoch(at).date().toJulianDay();
}

bool HistoryDatabase::exec(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(sql))
        return true;
    m_error = query.lastError().text();
    return false;
}

bool HistoryDatabase::isOpen() const
{
    return QSqlDatabase::contains(m_connection) &&
           QSqlDatabase::database(m_connection, false).isOpen();
}

int HistoryDatabase::schemaVersion()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

HistoryDatabase::Opening HistoryDatabase::open(bool check, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (readOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    auto fail = [&] {
        m_error = db.lastError().text();
        db.close();
        return Opening::Unwritable;
    };
    if (!db.open())
        return fail();
    // Damage shows as an error on the first read, or in the check.
    auto healthy = [&] {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA schema_version")) || !query.next())
            return false;
        if (!check)
            return true;
        return query.exec(QStringLiteral("PRAGMA quick_check")) && query.next() &&
               query.value(0).toString() == QLatin1String("ok");
    };
    Opening opening = Opening::Opened;
    if (!healthy()) {
        const QString error = db.lastError().text();
        db.close();
        if (readOnly) {
            m_error = error;
            return Opening::Unwritable;
        }
        m_setAside = m_path + QStringLiteral(".damaged-") +
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            if (QFile::exists(m_path + suffix) &&
                !QFile::rename(m_path + suffix, m_setAside + suffix))
                QFile::remove(m_path + suffix);
        }
        if (!db.open())
            return fail();
        opening = Opening::SetAside;
    }
    if (readOnly)
        return opening;
    // WAL: a commit is one append, readers never wait for the writer, and a killed process
    // leaves every committed transaction in the file.
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !exec(QStringLiteral("PRAGMA synchronous=NORMAL")))
        return fail();
    const int version = schemaVersion();
    if (version < 0 || (version < kSchemaVersion && !migrate(version))) {
        db.close();
        return Opening::Unwritable;
    }
    return opening;
}

bool HistoryDatabase::migrate(int from)
{
    return transaction([&] {
        if (from < 1) {
            for (const char* sql : kVersion1) {
                if (!exec(QString::fromLatin1(sql)))
                    return false;
            }
        }
        if (from < 2) {
            for (const char* sql : kVersion2) {
                if (!exec(QString::fromLatin1(sql)))
                    return false;
            }
            if (!rebuildTotals())
                return false;
        }
        return exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    });
}

bool HistoryDatabase::rebuildTotals()
{
    const QString sentenceKinds = QStringLiteral("(%1, %2)")
                                      .arg(int(PracticeKind::DictationSentence))
                                      .arg(int(PracticeKind::FreeSpelling));
    const int voice = int(PracticeKind::ReadAfter);
    return exec(QStringLiteral("DELETE FROM days")) &&
           exec(QStringLiteral(
                    "INSERT INTO days SELECT day, SUM(kind IN %1), SUM(kind IN %1 AND passed),"
                    " SUM(CASE WHEN kind = %2 THEN score ELSE 0 END), SUM(kind = %2)"
                    " FROM outcomes GROUP BY day")
                    .arg(sentenceKinds)
                    .arg(voice)) &&
           exec(QStringLiteral("DELETE FROM missed_words")) &&
           exec(QStringLiteral("INSERT INTO missed_words SELECT word, COUNT(*), MAX(day), MAX(at)"
                               " FROM misses GROUP BY word")) &&
           exec(QStringLiteral("DELETE FROM patterns")) &&
           exec(QStringLiteral(
               "INSERT INTO patterns SELECT m.pattern, COUNT(*),"
               " (SELECT typed FROM misses l WHERE l.pattern = m.pattern ORDER BY at DESC LIMIT 1),"
               " (SELECT word FROM misses l WHERE l.pattern = m.pattern ORDER BY at DESC LIMIT 1),"
               " MAX(at) FROM misses m GROUP BY m.pattern"));
}

bool HistoryDatabase::transaction(const std::function<bool()>& work)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        m_error = db.lastError().text();
        return false;
    }
    if (work() && db.commit())
        return true;
    if (m_error.isEmpty())
        m_error = db.lastError().text();
    db.rollback();
    return false;
}

bool HistoryDatabase::write(const PracticeOutcome& outcome)
{
    m_error.clear();
    return transaction([&] { return writeOne(outcome); });
}

bool HistoryDatabase::write(const std::vector<PracticeOutcome>& outcomes)
{
    m_error.clear();
    return transaction([&] {
        return std::all_of(outcomes.begin(), outcomes.end(),
                           [this](const PracticeOutcome& outcome) { return writeOne(outcome); });
    });
}

bool HistoryDatabase::writeOne(const PracticeOutcome& outcome)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const qint64 day = dayOf(outcome.at);
    {
        QSqlQuery insert =
            prepared(db, QStringLiteral(
                             "INSERT INTO outcomes (at, day, kind, book, lesson, sentence, passed,"
                             " score, hints, word) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(outcome.at), QVariant(day), QVariant(int(outcome.kind)),
              QVariant(outcome.book), QVariant(outcome.lesson), QVariant(outcome.sentence),
              QVariant(int(outcome.passed)), QVariant(outcome.score), QVariant(outcome.hints),
              outcome.word.isEmpty() ? QVariant() : QVariant(outcome.word)})
            insert.addBindValue(value);
        if (!insert.exec()) {
            m_error = insert.lastError().text();
            return false;
        }
        const qint64 id = insert.lastInsertId().toLongLong();
        for (const WrongWord& wrong : outcome.wrongWords) {
            if (!addMiss(id, outcome, wrong, day))
                return false;
        }
        for (const QString& word : outcome.rightWords) {
            if (!addRightDay(word, day))
                return false;
        }
        if (isSentenceKind(outcome.kind) && !updateCard(outcome, day))
            return false;
        const bool sentence = isSentenceKind(outcome.kind);
        const bool voice = outcome.kind == PracticeKind::ReadAfter;
        QSqlQuery totals = prepared(
            db, QStringLiteral("INSERT INTO days VALUES (?, ?, ?, ?, ?) ON CONFLICT (day) DO UPDATE"
                               " SET practised = practised + excluded.practised,"
                               " passed = passed + excluded.passed,"
                               " voice_sum = voice_sum + excluded.voice_sum,"
                               " voice_count = voice_count + excluded.voice_count"));
        for (const QVariant& value :
             {QVariant(day), QVariant(int(sentence)), QVariant(int(sentence && outcome.passed)),
              QVariant(voice ? outcome.score : 0), QVariant(int(voice))})
            totals.addBindValue(value);
        if (!totals.exec()) {
            m_error = totals.lastError().text();
            return false;
        }
        return true;
    }
}

bool HistoryDatabase::addMiss(qint64 outcomeId, const PracticeOutcome& outcome,
                              const WrongWord& wrong, qint64 day)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const QString word = wrong.word.toLower();
    const int pattern = int(classifyMisspelling(wrong.typed, wrong.word));
    QSqlQuery miss = prepared(
        db, QStringLiteral("INSERT INTO misses (outcome, at, day, word, typed, pattern, book,"
                           " lesson, sentence) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {outcomeId ? QVariant(outcomeId) : QVariant(), QVariant(outcome.at), QVariant(day),
          QVariant(word), QVariant(wrong.typed), QVariant(pattern), QVariant(outcome.book),
          QVariant(outcome.lesson), QVariant(outcome.sentence)})
        miss.addBindValue(value);
    QSqlQuery words = prepared(
        db, QStringLiteral("INSERT INTO missed_words VALUES (?, 1, ?, ?) ON CONFLICT (word) DO"
                           " UPDATE SET misses = misses + 1, last_day = excluded.last_day,"
                           " last_at = excluded.last_at"));
    words.addBindValue(word);
    words.addBindValue(day);
    words.addBindValue(outcome.at);
    QSqlQuery patterns = prepared(
        db, QStringLiteral("INSERT INTO patterns VALUES (?, 1, ?, ?, ?) ON CONFLICT (pattern) DO"
                           " UPDATE SET count = count + 1, example_typed = excluded.example_typed,"
                           " example_word = excluded.example_word, last_at = excluded.last_at"));
    for (const QVariant& value :
         {QVariant(pattern), QVariant(wrong.typed), QVariant(wrong.word), QVariant(outcome.at)})
        patterns.addBindValue(value);
    for (QSqlQuery* query : {&miss, &words, &patterns}) {
        if (!query->exec()) {
            m_error = query->lastError().text();
            return false;
        }
    }
    return true;
}

bool HistoryDatabase::addRightDay(const QString& word, qint64 day)
{
    // Only words that were missed are followed; the rest would only fill the file.
    QSqlQuery right =
        prepared(QSqlDatabase::database(m_connection, false),
                 QStringLiteral("INSERT OR IGNORE INTO word_rights SELECT ?, ? WHERE EXISTS"
                                " (SELECT 1 FROM missed_words WHERE word = ?)"));
    right.addBindValue(word.toLower());
    right.addBindValue(day);
    right.addBindValue(word.toLower());
    if (right.exec())
        return true;
    m_error = right.lastError().text();
    return false;
}

bool HistoryDatabase::updateCard(const PracticeOutcome& outcome, qint64 day)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery card =
        prepared(db, QStringLiteral("SELECT stability, difficulty, last_day FROM cards"
                                    " WHERE book = ? AND lesson = ? AND sentence = ?"));
    card.addBindValue(outcome.book);
    card.addBindValue(outcome.lesson);
    card.addBindValue(outcome.sentence);
    if (!card.exec()) {
        m_error = card.lastError().text();
        return false;
    }
    std::optional<fsrs::MemoryState> previous;
    qint64 lastDay = day;
    if (card.next()) {
        previous = fsrs::MemoryState{card.value(0).toDouble(), card.value(1).toDouble()};
        lastDay = card.value(2).toLongLong();
    }
    card.finish();
    const fsrs::Rating rating = ratingOf(outcome);
    const fsrs::MemoryState next =
        fsrs::nextState(previous, int(std::max<qint64>(0, day - lastDay)), rating);
    QSqlQuery upsert = prepared(
        db, QStringLiteral("INSERT INTO cards VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, ?)"
                           " ON CONFLICT (book, lesson, sentence) DO UPDATE SET"
                           " stability = excluded.stability, difficulty = excluded.difficulty,"
                           " last_day = excluded.last_day, last_at = excluded.last_at,"
                           " due_day = excluded.due_day, reviews = reviews + 1,"
                           " lapses = lapses + excluded.lapses"));
    for (const QVariant& value :
         {QVariant(outcome.book), QVariant(outcome.lesson), QVariant(outcome.sentence),
          QVariant(next.stability), QVariant(next.difficulty), QVariant(day), QVariant(outcome.at),
          QVariant(day + fsrs::nextInterval(next.stability)),
          QVariant(int(rating == fsrs::Rating::Again))})
        upsert.addBindValue(value);
    if (upsert.exec())
        return true;
    m_error = upsert.lastError().text();
    return false;
}

bool HistoryDatabase::writeDrill(const QString& word, const QString& typed, qint64 at)
{
    const qint64 day = dayOf(at);
    m_error.clear();
    return transaction([&] {
        if (typed.compare(word, Qt::CaseInsensitive) == 0)
            return addRightDay(word, day);
        PracticeOutcome drill; // from no sentence: empty, not null, book and lesson
        drill.book = drill.lesson = QString::fromLatin1("", 0);
        drill.at = at;
        return addMiss(0, drill, WrongWord{word, typed}, day);
    });
}

bool HistoryDatabase::forget(const QString& book, const QString& lesson)
{
    m_error.clear();
    return transaction([&] {
        for (const char* table : {"outcomes", "misses", "cards"}) {
            QSqlQuery remove =
                prepared(QSqlDatabase::database(m_connection, false),
                         QStringLiteral("DELETE FROM %1 WHERE book = ? AND (? = '' OR lesson = ?)")
                             .arg(QLatin1String(table)));
            remove.addBindValue(book);
            remove.addBindValue(lesson);
            remove.addBindValue(lesson);
            if (!remove.exec()) {
                m_error = remove.lastError().text();
                return false;
            }
        }
        // The later lessons of the book move down one number, as their files do.
        bool number = false;
        const int removed = lesson.toInt(&number);
        if (number) {
            for (const char* table : {"outcomes", "misses", "cards"}) {
                for (const QString& sql :
                     {QStringLiteral("UPDATE %1 SET lesson = '~' || (CAST(lesson AS INTEGER) - 1)"
                                     " WHERE book = ? AND CAST(lesson AS INTEGER) > ?"),
                      QStringLiteral("UPDATE %1 SET lesson = substr(lesson, 2)"
                                     " WHERE book = ? AND lesson LIKE '~%' AND ? IS NOT NULL")}) {
                    QSqlQuery shift = prepared(QSqlDatabase::database(m_connection, false),
                                               sql.arg(QLatin1String(table)));
                    shift.addBindValue(book);
                    shift.addBindValue(removed);
                    if (!shift.exec()) {
                        m_error = shift.lastError().text();
                        return false;
                    }
                }
            }
        }
        return rebuildTotals();
    });
}

int HistoryDatabase::outcomeCount()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM outcomes")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

ReviewSummary HistoryDatabase::summary(const QDate& today, int dueListed)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    ReviewSummary summary;
    summary.today = today;
    const qint64 day = today.toJulianDay();

    QSqlQuery dueCount =
        prepared(db, QStringLiteral("SELECT COUNT(*) FROM cards WHERE due_day <= ?"));
    dueCount.addBindValue(day);
    if (dueCount.exec() && dueCount.next())
        summary.dueCount = dueCount.value(0).toInt();
    // After a long break thousands are due: the tab lists the first of them (a limit of -1 is
    // none), and a review run fetches the next ones as it goes.
    QSqlQuery due = prepared(db, QStringLiteral("SELECT book, lesson, sentence, last_at, due_day,"
                                                " stability FROM cards WHERE due_day <= ?"
                                                " ORDER BY due_day, book, lesson, sentence"
                                                " LIMIT ?"));
    due.addBindValue(day);
    due.addBindValue(dueListed);
    // Thousands of rows can be due after a break: each is read cheaply, its time shown at the
    // offset of today (a local-time conversion per row would cost more than the query).
    const int offset = QDateTime::currentDateTime().offsetFromUtc();
    if (due.exec()) {
        QString book;
        QString lesson;
        while (due.next()) {
            // Consecutive rows mostly share their book and lesson: so do their strings.
            const QString rowBook = due.value(0).toString();
            const QString rowLesson = due.value(1).toString();
            if (rowBook != book)
                book = rowBook;
            if (rowLesson != lesson)
                lesson = rowLesson;
            summary.due.push_back({{book, lesson, due.value(2).toInt()},
                                   QDateTime::fromMSecsSinceEpoch(due.value(3).toLongLong(),
                                                                  Qt::OffsetFromUTC, offset),
                                   QDate::fromJulianDay(due.value(4).toLongLong()),
                                   due.value(5).toDouble()});
        }
    }

    // A word typed right on three separate days after its last miss has been learnt.
    QSqlQuery words =
        prepared(db, QStringLiteral("SELECT word, misses, (SELECT COUNT(*) FROM word_rights r"
                                    " WHERE r.word = w.word AND r.day > w.last_day) AS rights"
                                    " FROM missed_words w WHERE rights < 3"
                                    " ORDER BY misses DESC, last_at DESC LIMIT 20"));
    if (words.exec()) {
        while (words.next()) {
            MissedWord missed;
            missed.word = words.value(0).toString();
            missed.misses = words.value(1).toInt();
            missed.rightDays = words.value(2).toInt();
            summary.missedWords.push_back(missed);
        }
    }
    QSqlQuery forms = prepared(db, QStringLiteral("SELECT typed, COUNT(*) FROM misses"
                                                  " WHERE word = ? GROUP BY typed"
                                                  " ORDER BY COUNT(*) DESC, MAX(at) DESC LIMIT 5"));
    QSqlQuery sources = prepared(db, QStringLiteral("SELECT DISTINCT book, lesson, sentence"
                                                    " FROM misses WHERE word = ? AND book <> ''"
                                                    " ORDER BY at DESC LIMIT 5"));
    for (MissedWord& missed : summary.missedWords) {
        forms.bindValue(0, missed.word);
        if (forms.exec()) {
            while (forms.next())
                missed.wrongForms << forms.value(0).toString();
        }
        sources.bindValue(0, missed.word);
        if (sources.exec()) {
            while (sources.next())
                missed.sources.push_back({sources.value(0).toString(), sources.value(1).toString(),
                                          sources.value(2).toInt()});
        }
    }

    QSqlQuery patterns = prepared(db, QStringLiteral("SELECT pattern, count, example_typed,"
                                                     " example_word FROM patterns"
                                                     " ORDER BY count DESC, last_at DESC"));
    if (patterns.exec()) {
        while (patterns.next()) {
            summary.patterns.push_back({SpellingPattern(patterns.value(0).toInt()),
                                        patterns.value(1).toInt(), patterns.value(2).toString(),
                                        patterns.value(3).toString()});
        }
    }

    QSqlQuery days = prepared(db, QStringLiteral("SELECT day, practised, passed, voice_sum,"
                                                 " voice_count FROM days WHERE day BETWEEN ? AND ?"
                                                 " ORDER BY day"));
    days.addBindValue(day - 29);
    days.addBindValue(day);
    for (int i = 29; i >= 0; --i)
        summary.days.push_back({today.addDays(-i), 0, 0, -1});
    if (days.exec()) {
        while (days.next()) {
            DayTotals& totals = summary.days[std::size_t(days.value(0).toLongLong() - (day - 29))];
            totals.practised = days.value(1).toInt();
            totals.passed = days.value(2).toInt();
            if (const int takes = days.value(4).toInt())
                totals.voiceAverage = days.value(3).toDouble() / takes;
        }
    }

    // The streak runs back from today, or from yesterday while today is not practised yet.
    QSqlQuery practised = prepared(db, QStringLiteral("SELECT day FROM days WHERE day <= ? AND"
                                                      " (practised > 0 OR voice_count > 0)"
                                                      " ORDER BY day DESC"));
    practised.addBindValue(day);
    if (practised.exec()) {
        qint64 expected = day;
        while (practised.next()) {
            const qint64 d = practised.value(0).toLongLong();
            if (d == expected || (summary.streak == 0 && d == day - 1)) {
                ++summary.streak;
                expected = d - 1;
            } else {
                break;
            }
        }
    }
    summary.outcomes = outcomeCount();
    return summary;
}

} // namespace kelvaro
