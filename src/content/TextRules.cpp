#include "TextRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace kelvaro {

namespace {

// from_chars reports a number too large and one too small for a double alike; the decimal
// order of its first significant digit tells which. number is what leadingNumber collected:
// an optional sign, digits with an optional ".", an optional exponent.
bool beyondLargest(std::string_view number)
{
    const size_t e = std::min(number.find('e'), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false; // zero
    // The order of the first significant digit: 1 for 1..9, 0 for .1 .. .9, -1 for .01 ...
    qint64 order = first < point ? qint64(point - first) : -qint64(first - point - 1);
    qint64 exponent = 0;
    const bool negative = e + 1 < number.size() && number[e + 1] == '-';
    for (size_t i = e + 1; i < number.size(); ++i) {
        if (number[i] >= '0' && number[i] <= '9' && exponent < 1'000'000'000)
            exponent = exponent * 10 + (number[i] - '0');
    }
    order += negative ? -exponent : exponent;
    return order > 0;
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
        const double magnitude = beyondLargest(digits) ? HUGE_VAL : 0.0;
        return digits[0] == '-' ? -magnitude : magnitude;
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
