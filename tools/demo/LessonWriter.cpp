#include "LessonWriter.h"

namespace kelvaro {

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
