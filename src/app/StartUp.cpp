#include "StartUp.h"

#include "LessonOpening.h"
#include "LibraryLoading.h"
#include "ModeSwitching.h"
#include "RepeatScheduler.h"
#include "SentenceDisplay.h"
#include "SpeedController.h"
#include "VoiceComparing.h"
#include "WindowModes.h"
#include "WordSpeaking.h"

#include "content/BookList.h"
#include "content/OwnPlace.h"
#include "content/TextFile.h"
#include "content/TextRules.h"
#include "modes/FullTextPage.h"
#include "modes/ReadAfter.h"
#include "modes/TranslationPage.h"

namespace kelvaro {

QString screenCheckNotice()
{
    return QStringList{
        QStringLiteral("您的系统DPI非标准值，软件界面可能无法正常显示，解决方法如下："),
        QStringLiteral("[Windows XP]"),
        QStringLiteral("在桌面上点击鼠标右键，在弹出的菜单中选择“属性”，点击“设置”选项卡，再点击“高"
                       "级”按钮，将“DPI "
                       "设置(D:)”改为“正常尺寸（96 DPI）”，再点击确定按钮后重启系统即可。"),
        QStringLiteral("[Windows 7]"),
        QStringLiteral("在桌面上点击鼠标右键，在弹出的菜单中选择“屏幕分辨率”，点击“放大或缩小文本和"
                       "其他项目”，选择“较小(S)-"
                       "100%（默认）”，再点击应用按钮后注销系统即可。"),
    }
        .join(QStringLiteral("\r\n"));
}

void createTimers(MainContext& context)
{
    Timers& t = context.timers;
    TimerFactory& factory = context.ports.timers;
    for (Timer** timer :
         {&t.ReadTimer, &t.wordDelayTimer, &t.browsePauseTimer, &t.dictationPauseTimer,
          &t.fullTextPauseTimer, &t.recallPauseTimer, &t.spellingPauseTimer, &t.maximiseTimer,
          &t.SetFocusTimer, &t.VoiceCursorTimer})
        *timer = factory.createTimer();
    t.ReadTimer->setInterval(10);
    t.wordDelayTimer->setInterval(10);
    t.maximiseTimer->setInterval(10);
    t.SetFocusTimer->setInterval(100);

    installRepeatScheduler(context);
    installWordTimer(context);
    installVoiceComparing(context);
    watchMicrophones(context);
    t.maximiseTimer->setHandler([&context] {
        context.timers.maximiseTimer->setEnabled(false);
        if (context.state.options.windowMaximised)
            maximiseWindow(context);
        context.notifyChanged();
    });
    t.SetFocusTimer->setHandler([&context] {
        context.timers.SetFocusTimer->setEnabled(false);
        focusForMode(context);
        context.notifyChanged();
    });
}

namespace {

// The remembered lesson is gone or refused: the first other lesson of the book that opens.
// The remembered one is not tried again, so a refused file is reported once.
bool openFirstExistingLesson(MainContext& context)
{
    MainState& state = context.state;
    const int tried = state.LessonNumber;
    for (int n = 1; n <= state.lessonNames.size(); ++n) {
        if (n == tried || !fileExists(state.folder.lessonFile(state.BookName, n)))
            continue;
        state.LessonNode = n + 1;
        applyBuiltInBookRule(state);
        state.StartSentence = 1;
        state.PreviousLessonNode = state.LessonNode;
        if (openLesson(context, true))
            return true;
    }
    return false;
}

} // namespace

void settleDictionary(MainContext& context)
{
    const QString error = context.dictionary.takeError();
    if (error.isEmpty())
        return;
    context.ports.dialogs.warning(QStringLiteral("提示"),
                                  QStringLiteral("词典文件无法读取，查词将没有结果：%1\n\n%2")
                                      .arg(context.state.folder.dictionary(), error));
}

bool startUp(MainContext& context)
{
    MainState& state = context.state;
    Dialogs& dialogs = context.ports.dialogs;
    if (context.timers.ReadTimer == nullptr)
        createTimers(context);

    if (context.ports.screen.logicalDpi() != 96)
        dialogs.information(QString(), screenCheckNotice());

    context.dictionary.start(state.folder.dictionary(), context.dictionaryLoaded);

    state.CtrlHeld = false;
    layoutPanels(state);
    openRecorder(state, context.ports.recorder);

    state.options = loadSettings(state.folder.settings());
    restoreReadingSpeed(context);
    for (const RepeatFamily& family : kRepeatFamilies)
        (context.timers.*(family.pauseTimer))
            ->setInterval((state.options.*(family.option)).pauseMs);
    state.LessonNode = int(state.options.lessonNode);
    state.PreviousLessonNode = state.LessonNode;
    state.StartSentence = int(state.options.startSentence);
    state.ModeIndex = modeFromNumber(state.options.modeIndex);

    const QString listPath = state.folder.bookList(builtInBookName());
    const auto names = loadBookList(listPath);
    if (!names) {
        dialogs.warning(QStringLiteral("提示"),
                        QStringLiteral("课程列表文件有误，程序无法启动。\n\n") + names.error());
        context.quitRequested = true;
        return false;
    }
    state.lessonNames = names.value();
    loadLibrary(context);
    // An own lesson is found again by its book and number, wherever its node went since.
    if (const std::optional<OwnPlace> place = loadOwnPlace(state.folder.ownPlace());
        place && place->node == state.LessonNode) {
        const int book = bookIndex(state.library, place->book);
        if (book > 0 && !state.library[book].lessonNames.isEmpty())
            state.LessonNode =
                nodeOfPlace(state.library, book,
                            std::min(place->lesson, int(state.library[book].lessonNames.size())));
    }
    // A remembered node beyond the tree opens its nearest lesson.
    state.LessonNode = nearestLessonNode(state.library, state.LessonNode);
    state.PreviousLessonNode = state.LessonNode;
    applyBuiltInBookRule(state);
    state.PreviousLessonNumber = state.LessonNumber;
    state.PreviousBookName = state.BookName;

    if (!openLesson(context, false) && !openFirstExistingLesson(context)) {
        dialogs.warning(
            QStringLiteral("提示"),
            QStringLiteral("没有可以打开的课文：“%1”一册的课文文件夹中没有一课能打开。\n\n%2")
                .arg(state.BookName, state.folder.path(QStringLiteral("Book/") + state.BookName)));
        showModePanel(context);
    }

    state.translation.scroll.page.top = int(state.options.mainPictureTop);
    state.translation.scroll.thumbTop = int(state.options.moveImageTop);
    keepWithinStops(state.translation.scroll);
    if (state.lessonOpen) {
        // The full-text page was laid out for the check box when the lesson opened.
        state.fullText.TipPictureVisible = state.options.allChineseCheck != FullTextChinese::Shown;
        centreTranslationView(state);
        centreFullTextView(state);
    }
    updateScrollControls(state.translation.scroll);
    context.timers.maximiseTimer->setEnabled(true);
    context.timers.SetFocusTimer->setEnabled(true);
    applyWriteMode(context);
    return true;
}

Status shutDown(MainContext& context)
{
    MainState& state = context.state;
    Settings& o = state.options;
    o.lessonNode = state.LessonNode;
    o.startSentence = state.StartSentence;
    o.modeIndex = modeNumber(state.ModeIndex);
    o.mainPictureTop = state.translation.scroll.page.top;
    o.moveImageTop = state.translation.scroll.thumbTop;
    o.windowMaximised = state.geometry.maximised;
    std::optional<OwnPlace> place;
    if (state.lessonOpen && state.BookName != builtInBookName())
        place = OwnPlace{state.BookName, state.LessonNumber, state.LessonNode};
    // Losing it costs only the way back to an own lesson after its book changed.
    (void)saveOwnPlace(state.folder.ownPlace(), place);
    // Losing the speed costs only that choice; a folder that cannot be written is reported
    // by the settings file beside it.
    (void)keepReadingSpeed(context);
    return saveSettings(state.folder.settings(), o);
}

} // namespace kelvaro
