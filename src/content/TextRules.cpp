#include "TextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace kelvaro {

namespace {

// The power of ten of the first non-zero digit of a number read as "[sign]digits[.digits][e..]".
long long decimalMagnitude(const std::string& number)
{
    const std::size_t e = number.find('e');
    const std::string mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string::npos) {
        // Saturates: beyond this the sign is all that matters.
        const std::string digits = number.substr(e + 1);
        bool negative = false;
        std::size_t i = 0;
        if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
            negative = digits[i++] == '-';
        for (; i < digits.size(); ++i)
            exponent = std::min(exponent * 10 + (digits[i] - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::size_t integerEnd = point == std::string::npos ? mantissa.size() : point;
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return exponent;
    const long long position =
        first < integerEnd ? (long long)(integerEnd - first) - 1 : -(long long)(first - point);
    return position + exponent;
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    std::string digits;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        digits += char(text[i++].unicode());
    bool anyDigit = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        digits += char(text[i++].unicode());
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        std::string fraction = ".";
        qsizetype j = i + 1;
        while (j < n && text[j].unicode() >= u'0' && text[j].unicode() <= u'9') {
            fraction += char(text[j++].unicode());
            anyDigit = true;
        }
        digits += fraction;
        i = j;
    }
    if (!anyDigit)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool expDigit = false;
        while (j < n && text[j].unicode() >= u'0' && text[j].unicode() <= u'9') {
            exponent += char(text[j++].unicode());
            expDigit = true;
        }
        if (expDigit)
            digits += exponent;
    }
    double value = 0.0;
    const char* first = digits.data();
    if (*first == '+')
        ++first;
    auto [ptr, ec] = std::from_chars(first, digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the decimal exponent of the leading digit says
        // which (an underflow such as "1e-999" is zero, not infinity).
        const bool negative = digits[0] == '-';
        return decimalMagnitude(digits) < 0 ? (negative ? -0.0 : 0.0)
                                            : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    if (ec != std::errc())
        return 0.0;
    return value;
}

QString shortestDecimal(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    if (!std::isfinite(value))
        return QStringLiteral("0");
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QString::number(value, 'g', 17);
    return QString::fromLatin1(buffer, ptr - buffer);
}

bool equalsIgnoreAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

qsizetype indexOfIgnoreAsciiCase(QStringView haystack, QStringView needle, qsizetype from)
{
    if (from < 0)
        from = 0;
    const qsizetype last = haystack.size() - needle.size();
    for (qsizetype i = from; i <= last; ++i) {
        if (equalsIgnoreAsciiCase(haystack.mid(i, needle.size()), needle))
            return i;
    }
    return -1;
}

} // namespace kelvaro
