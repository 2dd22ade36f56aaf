// The book list and the results file: the walk over entries, and flipping a star changes that
// star and nothing else.
#include "FuzzCheck.h"

#include "content/BookList.h"
#include "content/ResultsFile.h"
#include "content/TextFile.h"

#include <QSet>

using namespace kelvaro;

namespace {

const QString kFile = QStringLiteral("/learner/SETTING/BookList/Kelvaro.dat");

// Only stars change: the text keeps its length, and every changed character is the star of an
// entry titled title that now shows to.
void checkFlip(const QString& before, const QString& after, const QString& title, QChar to)
{
    FUZZ_CHECK(after.size() == before.size());
    const QVector<ResultsEntry> was = resultsEntries(before);
    const QVector<ResultsEntry> now = resultsEntries(after);
    FUZZ_CHECK(now.size() == was.size());
    for (qsizetype i = 0; i < was.size(); ++i) {
        FUZZ_CHECK(now[i].title == was[i].title);
        if (now[i].star != was[i].star)
            FUZZ_CHECK(now[i].star == to && now[i].title == title);
    }
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (after[i] != before[i])
            FUZZ_CHECK(after[i] == to && i > 0 && before[i - 1] == u'^');
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = textFromBytes(fuzz::bytes(data, size));

    const Result<QStringList> names = parseBookList(text, kFile);
    if (names.ok()) {
        for (const QString& name : names.value())
            FUZZ_CHECK(!name.contains(u'^'));
    } else {
        FUZZ_CHECK(names.error().contains(kFile));
    }

    const QVector<ResultsEntry> entries = resultsEntries(text);
    FUZZ_CHECK(entries.size() <= text.count(u'^'));
    QSet<QString> titles;
    for (const ResultsEntry& entry : entries) {
        if (titles.size() < 8)
            titles.insert(entry.title);
    }
    for (const QString& title : titles) {
        const QString marked = markLessonCompleted(text, title);
        checkFlip(text, marked, title, kCompletedStar);
        const QString cleared = clearLessonResult(marked, title);
        checkFlip(marked, cleared, title, kOpenStar);
        for (const ResultsEntry& entry : resultsEntries(cleared))
            FUZZ_CHECK(!(entry.title == title && entry.completed()));
    }
    const QString none = clearAllResults(text);
    FUZZ_CHECK(!none.contains(kCompletedStar));
    FUZZ_CHECK(none.size() == text.size());
    return 0;
}
