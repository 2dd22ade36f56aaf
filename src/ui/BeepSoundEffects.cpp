#include "BeepSoundEffects.h"

#include <QApplication>
#include <QFileInfo>

namespace kelvaro {

void BeepSoundEffects::play(const QString& path)
{
    if (!QFileInfo::exists(path))
        QApplication::beep();
}

} // namespace kelvaro
