// The lesson parser and the rewrites the player makes in a learner's lesson file: for any text
// the parser accepts, every key-word toggle and every tail rewrite gives a text it accepts
// again, with the same sentences and only the intended field changed.
#include "FuzzCheck.h"

#include "content/Lesson.h"
#include "content/LessonEdits.h"
#include "content/TextFile.h"
#include "content/TextRules.h"

using namespace kelvaro;

namespace {

// Enough rewrites per input to reach every kind of record without making a large input slow.
constexpr int kMaxRewrites = 48;

const QString kFile = QStringLiteral("/learner/Book/Kelvaro/1.dat");

// The lesson as the player finds it after writing the records to the file and reading it again.
Lesson reread(const QStringList& records)
{
    const QString text = textFromBytes(plainTextToRtf(buildLessonText(records)));
    const Result<Lesson> lesson = parseLesson(text, kFile);
    if (!lesson.ok())
        std::fprintf(stderr, "refused after a rewrite: %s\n", qPrintable(lesson.error()));
    FUZZ_CHECK(lesson.ok());
    return lesson.value();
}

// The rewritten lesson holds the same sentences, and only record r differs.
void checkOnlyRecordChanged(const Lesson& before, const Lesson& after, qsizetype r,
                            const QString& record)
{
    FUZZ_CHECK(after.records.size() == before.records.size());
    FUZZ_CHECK(after.sentenceCount == before.sentenceCount);
    for (qsizetype i = 0; i < before.records.size(); ++i)
        FUZZ_CHECK(after.records[i] == (i == r ? record : before.records[i]));
}

void checkKeyWordToggles(const Lesson& lesson, qsizetype r, int& budget)
{
    const QString& record = lesson.records[r];
    const int carets = int(record.count(u'^'));
    for (int k = 1; k <= carets && budget > 0; ++k) {
        const QString english = recordField(record, 1);
        for (const bool mark : {true, false}) {
            const std::optional<QString> toggled = toggleKeyWordMark(record, k, mark);
            if (!toggled)
                continue;
            --budget;
            // Only the English field changes, by exactly one mark, and the sentence reads the
            // same.
            FUZZ_CHECK(recordTail(*toggled) == recordTail(record));
            for (int field = 2; field <= 5; ++field)
                FUZZ_CHECK(recordField(*toggled, field) == recordField(record, field));
            FUZZ_CHECK(toggled->count(kKeyWordMark) ==
                       record.count(kKeyWordMark) + (mark ? 1 : -1));
            FUZZ_CHECK(englishDisplayText(*toggled) == englishDisplayText(record));
            FUZZ_CHECK(recordSegments(*toggled).size() == recordSegments(record).size());
            // Toggling back gives the record again.
            FUZZ_CHECK(toggleKeyWordMark(*toggled, k, !mark) == record);

            QStringList records = lesson.records;
            records[r] = *toggled;
            const Lesson after = reread(records);
            checkOnlyRecordChanged(lesson, after, r, *toggled);
            FUZZ_CHECK(after.keyWordCount == lesson.keyWordCount + (mark ? 1 : -1));
            FUZZ_CHECK(after.dictatedCount == lesson.dictatedCount);
        }
        FUZZ_CHECK(recordField(record, 1) == english);
    }
}

void checkTailRewrite(const Lesson& lesson, qsizetype r, const QString& note, const QString& done)
{
    const QString& record = lesson.records[r];
    const std::optional<QString> rewritten = rewriteRecordTail(record, note, done);
    FUZZ_CHECK(rewritten.has_value()); // every accepted record has its six "#"
    for (int field = 1; field <= 4; ++field)
        FUZZ_CHECK(recordField(*rewritten, field) == recordField(record, field));
    FUZZ_CHECK(recordField(*rewritten, 5) == safeNoteText(note));
    FUZZ_CHECK(recordField(*rewritten, 6) == safeNoteText(done));
    FUZZ_CHECK(recordTail(*rewritten) == recordTail(record));
    FUZZ_CHECK(englishDisplayText(*rewritten) == englishDisplayText(record));

    QStringList records = lesson.records;
    records[r] = *rewritten;
    const Lesson after = reread(records);
    checkOnlyRecordChanged(lesson, after, r, *rewritten);
    FUZZ_CHECK(after.keyWordCount - lesson.keyWordCount ==
               rewritten->count(kKeyWordMark) - record.count(kKeyWordMark));

    const QString cleared = clearDoneField(*rewritten);
    FUZZ_CHECK(recordField(cleared, 6).isEmpty());
    FUZZ_CHECK(recordField(cleared, 5) == recordField(*rewritten, 5));
    FUZZ_CHECK(recordTail(cleared) == recordTail(record));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [content, argument] = fuzz::splitAtLastNul(data, size);
    const QString note = fuzz::utf16(reinterpret_cast<const uint8_t*>(argument.constData()),
                                     size_t(argument.size()));
    const QString done = note.left(note.size() % 3);
    const QString text = textFromBytes(content);

    const Result<Lesson> parsed = parseLesson(text, kFile);
    if (!parsed.ok()) {
        FUZZ_CHECK(parsed.error().contains(kFile));
        return 0;
    }
    const Lesson& lesson = parsed.value();
    FUZZ_CHECK(lesson.sentenceCount == lesson.records.size());
    FUZZ_CHECK(buildLessonText(lesson.records) == lesson.text);
    FUZZ_CHECK(lesson.dictatedCount <= lesson.sentenceCount);
    FUZZ_CHECK(lesson.sentences.size() == lesson.records.size());
    for (qsizetype r = 0; r < lesson.records.size() && r < kMaxRewrites; ++r) {
        // The fields read once are the fields the record holds.
        const QString& record = lesson.records[r];
        const SentenceFields& fields = lesson.sentences[r];
        FUZZ_CHECK(fields.chinese == recordField(record, 2));
        FUZZ_CHECK(fields.note == recordField(record, 5));
        FUZZ_CHECK(fields.done == isDictated(record));
        FUZZ_CHECK(fields.start == leadingNumber(recordField(record, 3)));
        FUZZ_CHECK(fields.end == leadingNumber(recordField(record, 4)));
    }

    int budget = kMaxRewrites;
    for (qsizetype r = 0; r < lesson.records.size() && budget > 0; ++r, --budget) {
        checkKeyWordToggles(lesson, r, budget);
        checkTailRewrite(lesson, r, note, done);
    }
    return 0;
}
