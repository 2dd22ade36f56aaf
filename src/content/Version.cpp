#include "Version.h"

namespace kelvaro {

QString kelvaroVersion()
{
    return QStringLiteral(KELVARO_VERSION);
}

} // namespace kelvaro
