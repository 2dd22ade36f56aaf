// The learner's history at size: 100,000 outcomes over 50 books. Prints what recording one
// outcome costs the window's thread, what reading the review tab's summary costs, and the
// size of the file.
//   kelvaro-history-probe [REPS]
#include "history/HistoryDatabase.h"
#include "history/SqliteHistoryStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace kelvaro;

namespace {

const char* const kWords[][2] = {{"think", "sink"},    {"letter", "leter"}, {"very", "wery"},
                                 {"light", "right"},   {"walked", "walk"},  {"ship", "sheep"},
                                 {"friend", "freind"}, {"until", "untill"}, {"books", "book"},
                                 {"where", "wher"}};

std::vector<PracticeOutcome> outcomes(int count, const QDate& today)
{
    std::mt19937 random(24);
    std::vector<PracticeOutcome> all;
    all.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        PracticeOutcome o;
        const int kind = int(random() % 20);
        o.kind = kind < 14   ? PracticeKind::DictationSentence
                 : kind < 17 ? PracticeKind::FreeSpelling
                 : kind < 19 ? PracticeKind::ReadAfter
                             : PracticeKind::FillInWord;
        o.book = QStringLiteral("Own book %1").arg(1 + random() % 50, 2, 10, QLatin1Char('0'));
        o.lesson = QString::number(1 + random() % 20);
        o.sentence = int(1 + random() % 20);
        // A year of practice, in order.
        o.at = QDateTime(today.addDays(-365 + 365LL * i / count), QTime(8 + int(random() % 12), 0))
                   .toMSecsSinceEpoch();
        o.passed = random() % 3 != 0;
        o.score = int(60 + random() % 41);
        o.hints = int(random() % 4 == 0);
        if (random() % 3 == 0) {
            const auto& w = kWords[random() % std::size(kWords)];
            o.wrongWords.push_back({QString::fromLatin1(w[0]) + QString::number(random() % 200),
                                    QString::fromLatin1(w[1])});
        }
        all.push_back(std::move(o));
    }
    return all;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int reps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString path = historyFilePath(dir.path());
    const QDate today = QDate::currentDate();
    {
        HistoryDatabase database(path);
        if (database.open(true) != HistoryDatabase::Opening::Opened ||
            !database.write(outcomes(100'000, today))) {
            std::fprintf(stderr, "could not fill %s\n", qPrintable(path));
            return 1;
        }
    }

    SqliteHistoryStore store(path, {});
    store.flush();
    // Recording: the window's thread only hands the outcome over.
    PracticeOutcome one = outcomes(1, today).front();
    std::vector<double> record;
    for (int r = 0; r < reps; ++r) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1000; ++i)
            store.record(one);
        record.push_back(timer.nsecsElapsed() / 1e6 / 1000);
        store.flush();
    }
    // The review tab: today's summary, the first time (the reader opens) and after.
    std::vector<double> first;
    std::vector<double> again;
    for (int r = 0; r < reps; ++r) {
        SqliteHistoryStore reader(path, {});
        reader.flush();
        QElapsedTimer timer;
        timer.start();
        const ReviewSummary summary = reader.summary(today);
        first.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        reader.summary(today);
        again.push_back(timer.nsecsElapsed() / 1e6);
        if (r == 0)
            std::printf("outcomes: %d, due: %zu, missed words shown: %zu\n", summary.outcomes,
                        summary.due.size(), summary.missedWords.size());
    }
    double bytes = 0;
    for (const char* suffix : {"", "-wal", "-shm"})
        bytes += double(QFileInfo(path + QString::fromLatin1(suffix)).size());
    std::printf("record one outcome on the caller's thread: %.4f ms\n", median(record));
    std::printf("review summary, first read: %.2f ms\n", median(first));
    std::printf("review summary, again: %.2f ms\n", median(again));
    std::printf("file size: %.1f MB\n", bytes / 1e6);
    return 0;
}
