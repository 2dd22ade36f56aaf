#pragma once

#include "ports/Desktop.h"
#include "ports/Dialogs.h"
#include "ports/Screen.h"

class QWidget;

namespace kelvaro {

/// Message boxes and the colour dialog, modal over the main window.
class QtDialogs : public Dialogs
{
public:
    void setParent(QWidget* parent) { m_parent = parent; }
    void information(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    std::optional<int> chooseColour(int initial) override;
    bool question(const QString& title, const QString& text,
                  Answer defaultAnswer = Answer::Yes) override;
    std::optional<QString> askText(const QString& title, const QString& label,
                                   const QString& initial) override;
    std::optional<QString> chooseFolder(const QString& title) override;

private:
    QWidget* m_parent = nullptr;
};

/// The desktop's browser and program start.
class QtDesktop : public Desktop
{
public:
    bool openAddress(const QString& address) override;
    bool startProgramMinimised(const QString& path) override;
};

/// The primary screen.
class QtScreen : public Screen
{
public:
    int logicalDpi() const override;
    QSize size() const override;
    QRect workArea() const override;
    QPoint pointer() const override;
};

} // namespace kelvaro
