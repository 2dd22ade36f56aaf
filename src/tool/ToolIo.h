#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

namespace kelvaro::tool {

/// Exit codes of every subcommand.
enum Exit { kOk = 0, kRefused = 1, kUsage = 2 };

inline void writeOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

inline void writeOut(const QString& text)
{
    writeOut(text.toUtf8());
}

inline void writeErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

inline void writeJson(const QJsonDocument& document)
{
    writeOut(document.toJson(QJsonDocument::Indented));
}

/// START and END of a stretch of a recording as typed, in seconds; nothing (and the reason with
/// usage written) when either is not a finite decimal number.
inline std::optional<std::pair<double, double>>
readStretch(const QString& start, const QString& end, const QString& usage)
{
    bool startOk = false;
    bool endOk = false;
    const double from = start.toDouble(&startOk);
    const double to = end.toDouble(&endOk);
    if (!startOk || !endOk || !std::isfinite(from) || !std::isfinite(to)) {
        writeErr(QStringLiteral("START and END are seconds, as decimal numbers.\n") + usage);
        return std::nullopt;
    }
    return std::pair{from, to};
}

} // namespace kelvaro::tool
