#include "ModeTable.h"

namespace kelvaro {

const ModeRow& modeRow(Mode mode)
{
    for (const ModeRow& row : kModeTable) {
        if (row.mode == mode)
            return row;
    }
    return kModeTable.front(); // unreachable for a Mode the table names
}

QString tabCaption(Mode mode)
{
    return QString::fromUtf8(modeRow(mode).caption);
}

} // namespace kelvaro
