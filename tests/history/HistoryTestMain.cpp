// The history tests' main: run as "--write-forever FILE" it is the child that the crash test
// kills in the middle of its writes.
#include "history/HistoryDatabase.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

// Writes outcomes one transaction each and prints the count after every commit, until killed.
int writeForever(const char* path)
{
    kelvaro::HistoryDatabase database(QString::fromLocal8Bit(path));
    if (database.open(false) != kelvaro::HistoryDatabase::Opening::Opened)
        return 1;
    for (int i = 1;; ++i) {
        kelvaro::PracticeOutcome outcome;
        outcome.book = QStringLiteral("Book");
        outcome.lesson = QString::number(1 + i % 7);
        outcome.sentence = 1 + i % 13;
        outcome.at = 1'760'000'000'000 + qint64(i) * 60'000;
        outcome.passed = i % 3 != 0;
        outcome.score = 90;
        outcome.wrongWords = {{QStringLiteral("think"), QStringLiteral("sink")}};
        if (!database.write(outcome))
            return 2;
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-forever") == 0)
        return writeForever(argv[2]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
