// Kelvaro Player: the program folder is the folder of this executable.
#include "ui/PlayerApplication.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro Player"));
    kelvaro::PlayerApplication player(QApplication::applicationDirPath());
    if (!player.start())
        return 1;
    return QApplication::exec();
}
