#pragma once

#include "FakeBackgroundWork.h"
#include "FakeClock.h"
#include "FakeDesktop.h"
#include "FakeDialogs.h"
#include "FakeMediaPlayer.h"
#include "FakeScreen.h"
#include "FakeSoundEffects.h"
#include "FakeTextMeasurer.h"
#include "FakeTimerFactory.h"
#include "FakeVoiceRecorder.h"
#include "TestFolder.h"

#include "app/MainContext.h"

#include <QMap>

#include <memory>

namespace kelvaro {

/// The window's shell on a private copy of the test program folder, with every port faked.
/// Members are public: a test sets the fakes up, writes files, starts the shell and inspects.
class ShellFixture
{
public:
    ShellFixture();
    ShellFixture(const ShellFixture&) = delete;
    ShellFixture& operator=(const ShellFixture&) = delete;

    // Declared in this order so that the timers go before their clock.
    TestFolder folder;
    FakeClock clock;
    FakeTimerFactory timers{clock};
    FakeMediaPlayer lessonPlayer{&clock};
    FakeMediaPlayer wordPlayer{&clock};
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeScreen screen;
    FakeTextMeasurer measurer;
    FakeVoiceRecorder recorder;
    FakeSoundEffects feedback;
    FakeBackgroundWork background;

    /// The context on the folder; made on first use.
    MainContext& context();
    MainState& state() { return context().state; }
    /// A fresh context on the same folder and fakes, as a second run of the program sees it.
    MainContext& restart();

    /// Runs the start-up; its result.
    bool startUp();
    /// The fake behind one of the context's timers.
    static FakeTimer& fake(Timer* timer) { return FakeTimerFactory::fake(timer); }

    // Content of the folder.
    bool writeSettings(const Settings& settings);
    /// The settings with some values stored as the given texts (by 1-based value number), as
    /// a hand edit leaves them.
    bool writeSettings(const Settings& settings, const QMap<int, QString>& stored);
    bool writeLesson(int lessonNumber, const QString& text);
    bool writeBookList(const QStringList& names);
    QString lessonPath(int lessonNumber) const;

private:
    std::unique_ptr<MainContext> m_context;
};

} // namespace kelvaro
