#include "QtDesktopPorts.h"

#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace kelvaro {

void QtDialogs::information(const QString& title, const QString& text)
{
    QMessageBox::information(m_parent, title, text);
    // The learner goes on typing where the message interrupted: the window takes the keyboard
    // back even where no window manager hands it over.
    if (m_parent)
        m_parent->activateWindow();
}

void QtDialogs::warning(const QString& title, const QString& text)
{
    QMessageBox::warning(m_parent, title, text);
}

std::optional<int> QtDialogs::chooseColour(int initial)
{
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
}

bool QtDialogs::question(const QString& title, const QString& text, Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否"));
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::askText(const QString& title, const QString& label,
                                          const QString& initial)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    dialog.resize(360, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::chooseFolder(const QString& title)
{
    const QString folder = QFileDialog::getExistingDirectory(m_parent, title, QDir::homePath());
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool QtDesktop::openAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtDesktop::startProgramMinimised(const QString& path)
{
    return QProcess::startDetached(path, {});
}

int QtScreen::logicalDpi() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(screen->logicalDotsPerInchX() + 0.5) : 96;
}

QSize QtScreen::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

QRect QtScreen::workArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPoint QtScreen::pointer() const
{
    return QCursor::pos();
}

} // namespace kelvaro
