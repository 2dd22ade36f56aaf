#include "ReadingSpeed.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace kelvaro {

namespace {

// Speeds are handled in hundredths, so that steps land on the grid exactly.
constexpr int kSlowestHundredths = 50;
constexpr int kFastestHundredths = 150;

int hundredths(double speed)
{
    return int(std::lround(normalisedSpeed(speed) * 100));
}

} // namespace

double normalisedSpeed(double speed)
{
    if (!std::isfinite(speed) || speed < kSlowestSpeed || speed > kFastestSpeed)
        return 1.0;
    return std::round(speed * 100) / 100;
}

double steppedSpeed(double speed, int steps)
{
    int h = hundredths(speed);
    // The first step goes to the neighbouring tenth; a speed between tenths is off the grid.
    if (steps > 0)
        h = (h / 10 + steps) * 10;
    else if (steps < 0)
        h = ((h + 9) / 10 + steps) * 10;
    return std::clamp(h, kSlowestHundredths, kFastestHundredths) / 100.0;
}

double slowSpeedToggled(double speed)
{
    return hundredths(speed) == std::lround(kSlowSpeed * 100) ? 1.0 : kSlowSpeed;
}

QString speedCaption(double speed)
{
    const int h = hundredths(speed);
    return QString::number(h / 100.0, 'f', h % 10 == 0 ? 1 : 2) + QChar(0x00D7);
}

// One line in UTF-8: the speed as a decimal number ("0.75").
double loadReadingSpeed(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 1.0;
    bool ok = false;
    const double speed = QString::fromUtf8(file.read(64)).trimmed().toDouble(&ok);
    return ok ? normalisedSpeed(speed) : 1.0;
}

Status saveReadingSpeed(const QString& path, double speed)
{
    QSaveFile file(path);
    const QByteArray text = QByteArray::number(normalisedSpeed(speed), 'g', 4) + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return Status::failure(
            QStringLiteral("无法写入文件 \"%1\"：%2").arg(path, file.errorString()));
    return Status::success();
}

} // namespace kelvaro
