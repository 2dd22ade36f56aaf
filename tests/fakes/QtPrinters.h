#pragma once

// Readable Qt values in test failure messages.

#include "modes/Mode.h"

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i > 0 ? ", " : "") << '"' << list[i].toStdString() << '"';
    *out << '}';
}

namespace kelvaro {

inline void PrintTo(Mode mode, std::ostream* out)
{
    *out << "mode " << int(mode);
}

inline std::ostream& operator<<(std::ostream& out, Mode mode)
{
    return out << "mode " << int(mode);
}

} // namespace kelvaro
