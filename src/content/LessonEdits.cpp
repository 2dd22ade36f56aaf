#include "LessonEdits.h"

#include "Lesson.h"

namespace kelvaro {

std::optional<QString> toggleKeyWordMark(const QString& record, int k, bool mark)
{
    const qsizetype caret = segmentCaret(record, k);
    if (caret < 0)
        return std::nullopt;
    // The word must lie inside this segment and inside the English field.
    qsizetype segmentEnd = record.indexOf(u'^', caret + 1);
    const qsizetype englishEnd = record.indexOf(u'#');
    if (segmentEnd < 0 || (englishEnd >= 0 && segmentEnd > englishEnd))
        return std::nullopt;
    const qsizetype d1 = record.indexOf(u'$', caret + 1);
    if (d1 < 0 || d1 > segmentEnd)
        return std::nullopt;
    const qsizetype d2 = record.indexOf(u'$', d1 + 1);
    if (d2 < 0 || d2 > segmentEnd)
        return std::nullopt;
    if (mark)
        return record.left(d2 + 1) + kKeyWordMark + record.mid(d2 + 1);
    if (d2 + 1 >= record.size() || record[d2 + 1] != kKeyWordMark)
        return std::nullopt;
    return record.left(d2 + 1) + record.mid(d2 + 2);
}

QString safeNoteText(const QString& note)
{
    QString safe = note;
    safe.replace(u'*', QChar(0xFF0A));
    safe.replace(u'#', QChar(0xFF03));
    // The lesson text is one line: a line break in a field would break it.
    safe.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar lineBreak : {QChar(u'\n'), QChar(u'\r'), QChar(0x2028), QChar(0x2029)})
        safe.replace(lineBreak, u' ');
    return safe;
}

std::optional<QString> rewriteRecordTail(const QString& record, const QString& note,
                                         const QString& done)
{
    const auto bounds = recordFieldBounds(record);
    if (!bounds)
        return std::nullopt;
    return record.left((*bounds)[3] + 1) + safeNoteText(note) + u'#' + safeNoteText(done) +
           record.mid((*bounds)[5]);
}

QString clearDoneField(const QString& record)
{
    const auto bounds = recordFieldBounds(record);
    if (!bounds)
        return record;
    return record.left((*bounds)[4] + 1) + record.mid((*bounds)[5]);
}

QString buildLessonText(const QStringList& records)
{
    qsizetype size = 1;
    for (const QString& record : records)
        size += record.size() + 1;
    QString text;
    text.reserve(size);
    text += u'*';
    for (const QString& record : records) {
        text += record;
        text += u'*';
    }
    return text;
}

} // namespace kelvaro
