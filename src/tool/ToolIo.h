#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

#include <cstdio>

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

} // namespace kelvaro::tool
