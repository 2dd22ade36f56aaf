#include "PlayerApplication.h"

#include "DesktopSoundEffects.h"
#include "EspeakWordVoice.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "MiniWindow.h"
#include "ProcessImportRunner.h"
#include "QtBackgroundWork.h"
#include "QtDesktopPorts.h"
#include "QtImportDialog.h"
#include "QtTextMeasurer.h"
#include "QtTimer.h"
#include "ReviewPanel.h"
#include "SignalCloser.h"
#include "SpeedControl.h"

#include "app/MainController.h"
#include "app/MiniModeController.h"
#include "app/OwnMaterialController.h"
#include "app/PracticeLog.h"
#include "app/ReviewController.h"
#include "app/SpeedController.h"
#include "app/StartUp.h"
#include "app/UnwrittenRescue.h"
#include "content/FolderChoice.h"
#include "history/SqliteHistoryStore.h"
#include "history/SystemWallClock.h"
#include "modes/ReadAfter.h"
#include "playback/DeferredAudioOutput.h"
#include "playback/LessonPlayer.h"
#include "playback/QtAudioOutput.h"
#include "playback/QtVoiceRecorder.h"
#include "playback/WavPlayer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace kelvaro {

namespace {

/// Where changes that could not be written are kept when the session closes the program.
QString rescueRoot()
{
    const QString data = learnerDataFolder();
    return data.isEmpty() ? QString() : data + QStringLiteral("/未写入的修改");
}

DeferredAudioOutput* deferredOutput(int bufferMs = 100)
{
    return new DeferredAudioOutput([bufferMs] { return makeAudioOutput(bufferMs); });
}

/// Runs a call once, right after the watched widget's first paint (or when run() comes first).
class AfterFirstPaint : public QObject
{
public:
    explicit AfterFirstPaint(std::function<void()> call) : m_call(std::move(call)) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_call) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &AfterFirstPaint::run, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

    void run()
    {
        if (m_call)
            std::exchange(m_call, {})();
    }

private:
    std::function<void()> m_call;
};

} // namespace

struct PlayerApplication::Parts
{
    Parts(const QString& folder, Dialogs* chosenDialogs, VoiceRecorder* chosenRecorder)
        : lessonOutput(deferredOutput()), wordOutput(deferredOutput()),
          effectsOutput(deferredOutput(50)), screen(), measurer(screen.logicalDpi()),
          scale(screen.logicalDpi()),
          context(folder,
                  Ports{timers, lessonPlayer, wordPlayer, chosenDialogs ? *chosenDialogs : dialogs,
                        desktop, screen, measurer, chosenRecorder ? *chosenRecorder : recorder,
                        soundEffects, background}),
          controller(context), window(controller, scale), miniMode(context),
          miniWindow(miniMode, window), importDialog(new QtImportDialog(&window)),
          ownMaterial(context, *importDialog, importRunner), speed(context),
          speedControl(new SpeedControl(scale, &window))
    {
        // Only the path is found now: the file is read, and espeak-ng started, on first use.
        context.openWords.attach(OpenDictionary::installedPath(), &wordVoice);
    }

    /// The sound devices are opened once the window has painted; the players own the outputs.
    void openAudioDevices()
    {
        for (DeferredAudioOutput* output : {lessonOutput, wordOutput, effectsOutput})
            output->open();
        recorder.devicesReady();
    }

    DeferredAudioOutput* lessonOutput;
    DeferredAudioOutput* wordOutput;
    DeferredAudioOutput* effectsOutput;
    QtScreen screen;
    QtTimerFactory timers;
    LessonPlayer lessonPlayer{std::unique_ptr<AudioOutput>(lessonOutput)};
    WavPlayer wordPlayer{std::unique_ptr<AudioOutput>(wordOutput)};
    QtDialogs dialogs;
    QtDesktop desktop;
    QtTextMeasurer measurer;
    QtVoiceRecorder recorder;
    DesktopSoundEffects soundEffects{std::unique_ptr<AudioOutput>(effectsOutput)};
    EspeakWordVoice wordVoice; ///< the words the folder has no recording of
    TwipScale scale;
    MainContext context;
    MainController controller;
    MainWindow window;
    MiniModeController miniMode;
    MiniWindow miniWindow; ///< hides the full window while it shows
    // The kelvaro-tool installed beside the player (the package puts both into /usr/bin).
    ProcessImportRunner importRunner{QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/kelvaro-tool")};
    QtImportDialog* importDialog; ///< owned by the window
    OwnMaterialController ownMaterial;
    SpeedController speed;
    SpeedControl* speedControl; ///< owned by the window
    SystemWallClock clock;
    // The history's writer reports its problems on the window's thread; it stops (and writes
    // what is queued) before the window goes.
    SqliteHistoryStore history{
        historyFilePath(QFileInfo(context.state.folder.settings()).absolutePath()),
        [this](const QString& message) {
            QMetaObject::invokeMethod(
                &window,
                [this, message] {
                    context.ports.dialogs.information(QStringLiteral("提示"), message);
                },
                Qt::QueuedConnection);
        }};
    PracticeLog practiceLog{history, clock};
    ReviewController review{context, clock};
    ReviewPanel* reviewPanel = new ReviewPanel(review, &window); ///< owned by the window
    SignalCloser signalCloser;
    AfterFirstPaint devicesAfterPaint{[this] {
        openAudioDevices();
        review.reload(); // the review tab's count: the history is opened once the window shows
        if (checkMicrophone(context.state, context.ports.recorder))
            window.refresh();
    }};
    // Last, so it goes first: it waits for a job still running and drops the results not yet
    // delivered, which would otherwise reach a context already gone.
    QtBackgroundWork background;
};

PlayerApplication::PlayerApplication(const QString& programFolder, Dialogs* dialogs,
                                     VoiceRecorder* recorder)
{
    registerFontSubstitutions();
    m_parts = std::make_unique<Parts>(programFolder, dialogs, recorder);
    for (DeferredAudioOutput* output :
         {m_parts->lessonOutput, m_parts->wordOutput, m_parts->effectsOutput})
        output->holdUntilOpen();
    m_parts->recorder.deferDeviceCheck();
    m_parts->window.installEventFilter(&m_parts->devicesAfterPaint);
    m_parts->dialogs.setParent(&m_parts->window);
    Parts& parts = *m_parts;
    parts.context.history = &parts.history;
    parts.context.practiceLog = &parts.practiceLog;
    parts.window.setReviewPanel(parts.reviewPanel);
    QObject::connect(&parts.window, &MainWindow::reviewOpened, &parts.review,
                     &ReviewController::reload);
    QObject::connect(&parts.review, &ReviewController::changed, &parts.window,
                     &MainWindow::refresh);
    QObject::connect(&parts.review, &ReviewController::practiceOpened, &parts.window,
                     [&parts] { parts.window.showReview(false); });
    QObject::connect(&parts.window, &MainWindow::importRequested, &parts.ownMaterial,
                     &OwnMaterialController::importRequested);
    QObject::connect(&parts.window, &MainWindow::renameLessonRequested, &parts.ownMaterial,
                     &OwnMaterialController::renameRequested);
    QObject::connect(&parts.window, &MainWindow::removeLessonRequested, &parts.ownMaterial,
                     &OwnMaterialController::removeRequested);
    QObject::connect(&parts.ownMaterial, &OwnMaterialController::changed, &parts.window,
                     &MainWindow::refresh);
    // The compact player shares the state: the timers' news reaches it too, and the full
    // window draws what it missed when it comes back.
    QObject::connect(&parts.window, &MainWindow::miniModeRequested, &parts.miniMode,
                     &MiniModeController::enter);
    QObject::connect(&parts.controller, &MainController::changed, &parts.miniWindow,
                     &MiniWindow::refresh);
    QObject::connect(&parts.miniMode, &MiniModeController::left, &parts.window,
                     &MainWindow::refresh);
    QObject::connect(&parts.signalCloser, &SignalCloser::closeRequested, &parts.window, [&parts] {
        // The session is ending: the full window closes with its mode back, from the compact
        // one too. Nobody can be asked, so what could not be written is kept where the
        // learner's own files may go, and the next start says where.
        parts.miniMode.leave();
        const auto kept = rescueUnwritten(
            parts.context.unwritten, parts.context.state.folder.root(), rescueRoot(),
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
        if (!kept && !kept.error().isEmpty())
            qWarning("%s", qPrintable(kept.error()));
        parts.window.closeUnasked();
    });
    SpeedControl* speedControl = parts.speedControl;
    QObject::connect(speedControl, &SpeedControl::slowerClicked, &parts.speed,
                     &SpeedController::slower);
    QObject::connect(speedControl, &SpeedControl::fasterClicked, &parts.speed,
                     &SpeedController::faster);
    QObject::connect(speedControl, &SpeedControl::slowClicked, &parts.speed,
                     &SpeedController::toggleSlow);
    const MainState& state = parts.context.state;
    auto drawSpeed = [speedControl, &state] { speedControl->refresh(state); };
    QObject::connect(&parts.speed, &SpeedController::changed, speedControl, drawSpeed);
    QObject::connect(&parts.controller, &MainController::changed, speedControl, drawSpeed);
}

PlayerApplication::~PlayerApplication()
{
    m_parts->context.dictionary.get(); // the load's thread is done before the window goes
}

bool PlayerApplication::start()
{
    // The dictionary is read while the window paints; a file that could not be read is
    // reported on the window's thread once the load is over.
    MainContext& context = m_parts->context;
    MainWindow* window = &m_parts->window;
    context.dictionaryLoaded = [window, &context] {
        // The window outlives the load (see the destructor); a call still queued when it
        // goes is dropped with it.
        QMetaObject::invokeMethod(
            window, [&context] { settleDictionary(context); }, Qt::QueuedConnection);
    };
    if (!m_parts->controller.startUp())
        return false;
    m_parts->window.refresh();
    m_parts->speedControl->refresh(context.state);
    // The normal window stands in the middle of the screen.
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableGeometry()
                             : QRect(0, 0, 1024, 768);
    if (!context.state.geometry.maximised)
        window->move(screen.center() - QPoint(window->width() / 2, window->height() / 2));
    window->show();
    if (const QString notice = rescuedFoldersNotice(takeRescuedFolders(rescueRoot()));
        !notice.isEmpty()) {
        QMetaObject::invokeMethod(
            window,
            [&context, notice] {
                context.ports.dialogs.information(QStringLiteral("提示"), notice);
            },
            Qt::QueuedConnection);
    }
    // A window that is not painted soon (started minimised) still gets its sound.
    QTimer::singleShot(1000, &m_parts->devicesAfterPaint, &AfterFirstPaint::run);
    return true;
}

MainWindow& PlayerApplication::window()
{
    return m_parts->window;
}

MainController& PlayerApplication::controller()
{
    return m_parts->controller;
}

MiniWindow& PlayerApplication::miniWindow()
{
    return m_parts->miniWindow;
}

MiniModeController& PlayerApplication::miniMode()
{
    return m_parts->miniMode;
}

} // namespace kelvaro
