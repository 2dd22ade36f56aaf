#include "DesktopSoundEffects.h"

#include <QApplication>

namespace kelvaro {

void DesktopSoundEffects::play(const QString& path)
{
    if (!m_sounds.play(path))
        QApplication::beep();
}

} // namespace kelvaro
