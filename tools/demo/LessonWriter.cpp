#include "LessonWriter.h"

#include "content/TextRules.h"

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

QString firstRunSettingsText()
{
    return QStringLiteral("2/1/1/0/0/0/1/1/80/1/1000/1/1000/1/1000/1/1000/1/1000/1/1/1/1/1/0/1/1/"
                          "255/True/False/False/True/1/");
}

QString chineseLessonTitle(int number)
{
    static const QString digits = QStringLiteral("零一二三四五六七八九");
    const int hundreds = number / 100;
    const int tens = number / 10 % 10;
    const int ones = number % 10;
    QString text;
    if (hundreds > 0)
        text += digits[hundreds] + QStringLiteral("百");
    if (tens > 0) {
        // 十二, not 一十二, when the number starts with its tens.
        if (hundreds > 0 || tens > 1)
            text += digits[tens];
        text += QStringLiteral("十");
    } else if (hundreds > 0 && ones > 0) {
        text += digits[0];
    }
    if (ones > 0)
        text += digits[ones];
    return QStringLiteral("第") + text + QStringLiteral("课");
}

} // namespace kelvaro
