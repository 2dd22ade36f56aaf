#include "ResultsFile.h"

namespace kelvaro {

namespace {

// Entries are matched by their whole title, so completing "第一课" leaves "第一课续" alone.
QString setStar(const QString& text, const QString& title, QChar from, QChar to)
{
    if (text.isEmpty() || text.front() != u'^')
        return text;
    QString result = text;
    qsizetype open = 0;
    while (open < result.size() - 1) {
        const qsizetype close = result.indexOf(u'^', open + 1);
        if (close < 0)
            break;
        const QStringView entry = QStringView(result).mid(open + 1, close - open - 1);
        if (!entry.isEmpty() && entry.front() == from && entry.mid(1) == title)
            result[open + 1] = to;
        open = close;
    }
    return result;
}

} // namespace

QVector<ResultsEntry> resultsEntries(const QString& text)
{
    QVector<ResultsEntry> entries;
    if (text.isEmpty() || text.front() != u'^')
        return entries;
    qsizetype open = 0;
    while (open < text.size() - 1) {
        const qsizetype close = text.indexOf(u'^', open + 1);
        if (close < 0)
            break; // an entry the file never closed
        const QStringView entry = QStringView(text).mid(open + 1, close - open - 1);
        if (!entry.isEmpty())
            entries.append({entry.front(), entry.mid(1).toString()});
        else
            entries.append({QChar(), QString()});
        open = close;
    }
    return entries;
}

QString markLessonCompleted(const QString& text, const QString& title)
{
    return setStar(text, title, kOpenStar, kCompletedStar);
}

QString clearLessonResult(const QString& text, const QString& title)
{
    return setStar(text, title, kCompletedStar, kOpenStar);
}

QString clearAllResults(const QString& text)
{
    QString result = text;
    result.replace(kCompletedStar, kOpenStar);
    return result;
}

} // namespace kelvaro
