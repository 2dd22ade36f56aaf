#include "LessonFileText.h"

#include "TextRules.h"

namespace kelvaro {

QString millisecondsText(qint64 milliseconds)
{
    // Whole milliseconds over 1000 give the double nearest the decimal, whose shortest
    // form has at most three decimals.
    return shortestDecimal(double(milliseconds) / 1000.0);
}

QString recordText(const QString& english, const QString& chinese, const QString& start,
                   const QString& end, const QString& note)
{
    return english + u'#' + chinese + u'#' + start + u'#' + end + u'#' + note +
           QStringLiteral("##");
}

QString lessonText(const QStringList& records)
{
    QString text = QStringLiteral("*");
    for (const QString& record : records)
        text += record + u'*';
    return text;
}

QString bookListText(const QStringList& titles)
{
    QString text = QStringLiteral("^");
    for (const QString& title : titles)
        text += title + u'^';
    return text;
}

QString openResultsText(const QStringList& titles)
{
    QString text = QStringLiteral("^");
    for (const QString& title : titles)
        text += QChar(0x2606) + title + u'^';
    return text;
}

} // namespace kelvaro
