#include "Lesson.h"

#include "TextRules.h"

#include <atomic>

namespace kelvaro {

namespace {

QString refusal(const QString& fileName, const QString& what)
{
    return QStringLiteral("课文文件格式有误：%1\n%2。").arg(fileName, what);
}

// Checks one record; returns an empty string when it is well formed, else what is wrong.
QString recordProblem(QStringView record)
{
    const auto bounds = recordFieldBounds(record);
    if (!bounds) {
        const qsizetype hashes = record.count(u'#');
        return QStringLiteral("只有 %1 个“#”，每句至少要有 6 个").arg(hashes);
    }
    const QStringView english = record.left((*bounds)[0]);
    if (english.size() < 2 || english.front() != u'^' || english.back() != u'^')
        return QStringLiteral("英文部分没有以“^”开头并以“^”结尾");
    int segment = 0;
    int dollars = 0;
    for (qsizetype i = 1; i < english.size(); ++i) {
        const QChar c = english[i];
        if (c == u'^') {
            ++segment;
            if (dollars != 0 && dollars != 2)
                return QStringLiteral("第 %1 个词有 %2 个“$”，每个词应正好有 2 个")
                    .arg(segment)
                    .arg(dollars);
            dollars = 0;
        } else if (c == u'$') {
            ++dollars;
        }
    }
    return {};
}

} // namespace

Result<Lesson> parseLesson(const QString& text, const QString& fileName)
{
    // Hand-edited files often end with a line break after the final "*".
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == u' ' || text[end - 1] == u'\t' || text[end - 1] == u'\r' ||
                       text[end - 1] == u'\n'))
        --end;
    Lesson lesson;
    lesson.text = text.left(end);
    const QString& t = lesson.text;
    if (t.isEmpty())
        return Error{refusal(fileName, QStringLiteral("文件是空的"))};
    if (t.front() != u'*')
        return Error{refusal(fileName, QStringLiteral("文件没有以“*”开头"))};
    if (t.back() != u'*' || t.size() < 1)
        return Error{refusal(fileName, QStringLiteral("文件没有以“*”结尾"))};

    qsizetype previous = 0;
    while (previous < t.size() - 1) {
        const qsizetype next = t.indexOf(u'*', previous + 1);
        const QStringView record = QStringView(t).mid(previous + 1, next - previous - 1);
        const QString problem = recordProblem(record);
        if (!problem.isEmpty()) {
            return Error{refusal(
                fileName,
                QStringLiteral("第 %1 句：%2").arg(lesson.records.size() + 1).arg(problem))};
        }
        lesson.records.append(record.toString());
        lesson.sentences.append(sentenceFields(record));
        previous = next;
    }
    lesson.sentenceCount = int(lesson.records.size());
    lesson.keyWordCount = int(t.count(kKeyWordMark));
    for (const SentenceFields& sentence : lesson.sentences) {
        if (sentence.done)
            ++lesson.dictatedCount;
    }
    lesson.revision = newLessonRevision();
    return lesson;
}

SentenceFields sentenceFields(QStringView record)
{
    SentenceFields fields;
    const auto bounds = recordFieldBounds(record);
    if (!bounds)
        return fields;
    // Only what the window keeps as text is copied: the English stays in the record, the
    // times are numbers.
    auto field = [&](int k) {
        const qsizetype begin = k == 1 ? 0 : (*bounds)[k - 2] + 1;
        return record.mid(begin, (*bounds)[k - 1] - begin);
    };
    fields.chinese = field(2).toString();
    fields.start = leadingNumber(field(3));
    fields.end = leadingNumber(field(4));
    fields.note = field(5).toString();
    fields.doneText = field(6).toString();
    fields.done = fields.doneText == QLatin1String("1");
    return fields;
}

quint64 newLessonRevision()
{
    static std::atomic<quint64> last{0};
    return ++last;
}

void replaceRecord(Lesson& lesson, qsizetype i, const QString& record)
{
    lesson.records[i] = record;
    lesson.sentences[i] = sentenceFields(record);
    lesson.revision = newLessonRevision();
}

void replaceRecords(Lesson& lesson, const QStringList& records)
{
    lesson.revision = newLessonRevision();
    lesson.records = records;
    lesson.sentences.clear();
    lesson.sentences.reserve(records.size());
    for (const QString& record : records)
        lesson.sentences.append(sentenceFields(record));
}

std::optional<std::array<qsizetype, 6>> recordFieldBounds(QStringView record)
{
    std::array<qsizetype, 6> bounds{};
    qsizetype from = 0;
    for (int k = 0; k < 6; ++k) {
        const qsizetype p = record.indexOf(u'#', from);
        if (p < 0)
            return std::nullopt;
        bounds[k] = p;
        from = p + 1;
    }
    return bounds;
}

QString recordField(QStringView record, int k)
{
    const auto bounds = recordFieldBounds(record);
    if (!bounds || k < 1 || k > 6)
        return {};
    const qsizetype begin = k == 1 ? 0 : (*bounds)[k - 2] + 1;
    return record.mid(begin, (*bounds)[k - 1] - begin).toString();
}

QString recordTail(QStringView record)
{
    const auto bounds = recordFieldBounds(record);
    return bounds ? record.mid((*bounds)[5]).toString() : QString();
}

qsizetype segmentCaret(QStringView record, int k)
{
    if (k < 1)
        return -1;
    qsizetype caret = -1;
    for (int seen = 0; seen < k; ++seen) {
        caret = record.indexOf(u'^', caret + 1);
        if (caret < 0)
            return -1;
    }
    return caret;
}

QVector<SegmentView> recordSegmentViews(QStringView record)
{
    // The English field ends at the first "#"; each "^" in it after the first closes a segment.
    qsizetype englishEnd = 0;
    qsizetype carets = 0;
    for (; englishEnd < record.size() && record[englishEnd] != u'#'; ++englishEnd)
        carets += record[englishEnd] == u'^';
    const QStringView english = record.left(englishEnd);
    QVector<SegmentView> segments(qMax<qsizetype>(carets - 1, 0));
    SegmentView* next = segments.data();
    // One pass over the field: the first "$" in a segment ends its display part, the second its
    // word, and a key-word mark after that marks it.
    qsizetype open = -1;
    qsizetype d1 = -1;
    qsizetype d2 = -1;
    bool keyWord = false;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QChar c = english[i];
        if (c == u'^') {
            if (open >= 0) {
                SegmentView& segment = *next++;
                segment.caretPos = open;
                segment.isWord = d1 >= 0;
                segment.display = english.mid(open + 1, (d1 >= 0 ? d1 : i) - open - 1);
                if (d2 >= 0) {
                    segment.word = english.mid(d1 + 1, d2 - d1 - 1);
                    segment.keyWord = keyWord;
                }
            }
            open = i;
            d1 = d2 = -1;
            keyWord = false;
        } else if (open < 0) {
            continue;
        } else if (c == u'$') {
            if (d1 < 0)
                d1 = i;
            else if (d2 < 0)
                d2 = i;
        } else if (c == kKeyWordMark && d2 >= 0) {
            keyWord = true;
        }
    }
    return segments;
}

QVector<Segment> recordSegments(QStringView record)
{
    const QVector<SegmentView> views = recordSegmentViews(record);
    QVector<Segment> segments;
    segments.reserve(views.size());
    for (const SegmentView& view : views)
        segments.append(Segment{view.display.toString(), view.word.toString(), view.isWord,
                                view.keyWord, view.caretPos});
    return segments;
}

QString englishDisplayText(QStringView record)
{
    const QVector<SegmentView> segments = recordSegmentViews(record);
    qsizetype length = 0;
    for (const SegmentView& segment : segments)
        length += segment.display.size();
    QString text;
    text.reserve(length);
    for (const SegmentView& segment : segments)
        text += segment.display;
    return text;
}

bool isDictated(QStringView record)
{
    return recordField(record, 6) == QLatin1String("1");
}

} // namespace kelvaro
