#pragma once
// What the tests on a real sound device share: letting the device's events run for a while,
// and measuring one tone in what was heard.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kelvaro::test {

/// Runs the event loop for ms milliseconds of real time (the device's own clock).
inline void processEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

/// The strength of one frequency in the samples [from, to) at rate (Goertzel).
inline double strength(const std::vector<qint16>& samples, qint64 from, qint64 to, double frequency,
                       int rate)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
    double s1 = 0;
    double s2 = 0;
    for (qint64 i = from; i < to; ++i) {
        const double s0 = samples[size_t(i)] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coefficient * s1 * s2)) / double(to - from);
}

} // namespace kelvaro::test
