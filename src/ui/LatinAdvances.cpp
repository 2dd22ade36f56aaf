#include "LatinAdvances.h"

#include <cmath>
#include <limits>

namespace kelvaro {

namespace {
constexpr qint32 kUnknown = std::numeric_limits<qint32>::min();
} // namespace

LatinAdvances::LatinAdvances(const QFont& font)
    : m_metrics(font), m_pairs(size_t(kCount) * kCount, kUnknown)
{
    for (int c = 0; c < kCount; ++c)
        m_advances[c] = shaped(QString(QChar(kFirst + c)));
}

bool LatinAdvances::covers(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() < kFirst || c.unicode() >= kFirst + kCount)
            return false;
    }
    return true;
}

qint32 LatinAdvances::shaped(const QString& text)
{
    const qreal steps = m_metrics.horizontalAdvance(text) * 64;
    const qreal whole = std::round(steps);
    if (whole != steps)
        m_exact = false;
    return qint32(whole);
}

qint32 LatinAdvances::pair(int a, int b)
{
    qint32& known = m_pairs[size_t(a) * kCount + b];
    if (known == kUnknown) {
        const QChar both[] = {QChar(kFirst + a), QChar(kFirst + b)};
        known = shaped(QString(both, 2)) - m_advances[a] - m_advances[b];
    }
    return known;
}

qreal LatinAdvances::horizontalAdvance(QStringView text)
{
    qint64 steps = 0;
    int previous = -1;
    for (const QChar c : text) {
        const int index = c.unicode() - kFirst;
        steps += m_advances[index];
        if (previous >= 0)
            steps += pair(previous, index);
        previous = index;
    }
    // Qt sums its advances in 1/64 pixel steps and converts the sum alike.
    return qreal(steps) / qreal(64);
}

} // namespace kelvaro
