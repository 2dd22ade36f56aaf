#pragma once

#include <QString>

#include <memory>

namespace kelvaro {

class MainWindow;
class MainController;
class MiniWindow;
class MiniModeController;
struct MainContext;
class Dialogs;
class VoiceRecorder;

/// The wiring place: builds the real ports, the state and the main window.
class PlayerApplication
{
public:
    /// programFolder: the folder of the executable. dialogs: where notices go (the window's
    /// own message boxes when null; tests give a recording one). recorder: the read-after
    /// recorder (the default microphone when null).
    explicit PlayerApplication(const QString& programFolder, Dialogs* dialogs = nullptr,
                               VoiceRecorder* recorder = nullptr);
    ~PlayerApplication();

    /// Runs start-up and shows the window; false when start-up could not go on.
    bool start();
    MainWindow& window();
    MainController& controller();
    /// The compact player ("迷你模式"): its window and its controller.
    MiniWindow& miniWindow();
    MiniModeController& miniMode();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

} // namespace kelvaro
