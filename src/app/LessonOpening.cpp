#include "LessonOpening.h"

#include "ContinuousReading.h"
#include "ModeSwitching.h"
#include "SentenceDisplay.h"
#include "TranslationSelfTest.h"

#include "content/BookList.h"
#include "content/TextFile.h"
#include "modes/FullTextPage.h"
#include "modes/TranslationPage.h"

namespace kelvaro {

namespace {

void restorePrevious(MainState& state)
{
    state.LessonNode = state.PreviousLessonNode;
    state.LessonNumber = state.PreviousLessonNumber;
    state.BookName = state.PreviousBookName;
}

void resetViews(MainState& state)
{
    ScrollView& translation = state.translation.scroll;
    translation.page = {0, 0, translation.frame.width - 300, 0};
    translation.thumbTop = 255;
    ScrollView& full = state.fullText.scroll;
    full.page = {0, 0, full.frame.width - 300, 0};
    full.thumbTop = 255;
}

} // namespace

void applyBuiltInBookRule(MainState& state)
{
    // A node past the built-in book's lessons belongs to one of the learner's own books, by
    // its place in the tree; the built-in book's own nodes keep their fixed rule.
    const LibraryPlace place = placeOfNode(state.library, state.LessonNode);
    if (place.book > 0) {
        if (place.lesson > 0) {
            state.LessonNumber = place.lesson;
            state.BookName = state.library[place.book].title;
        }
        return;
    }
    const int lesson = builtInLessonNumber(state.LessonNode);
    if (lesson > 0) {
        state.LessonNumber = lesson;
        state.BookName = builtInBookName();
    }
}

QString lessonName(const MainState& state, int lessonNumber)
{
    const int book = bookIndex(state.library, state.BookName);
    const QStringList& names = book > 0 ? state.library[book].lessonNames : state.lessonNames;
    if (lessonNumber >= 1 && lessonNumber <= names.size())
        return names[lessonNumber - 1];
    return {};
}

QString lessonRecording(const MainState& state)
{
    if (state.BookName == builtInBookName())
        return state.folder.lessonAudio(state.BookName, state.LessonNumber);
    // An own book keeps one recording per lesson, numbered as its lessons are.
    return state.folder.ownLessonAudio(state.BookName, state.LessonNumber);
}

bool openLesson(MainContext& context, bool reportMissing)
{
    MainState& state = context.state;
    const QString path = state.folder.lessonFile(state.BookName, state.LessonNumber);
    // A text whose writing failed is the lesson as the learner left it.
    const std::optional<QString> unwritten = context.unwritten.text(path);
    if (!unwritten && !fileExists(path)) {
        if (reportMissing)
            context.ports.dialogs.warning(QStringLiteral("提示"),
                                          QStringLiteral("找不到这一课的课文文件：\n%1").arg(path));
        restorePrevious(state);
        // The lesson still open gets its reveal mode again, as after a successful opening.
        if (state.lessonOpen)
            applyTranslationReveal(context);
        return false;
    }
    const auto text = unwritten ? Result<QString>(*unwritten) : readTextFile(path);
    auto lesson = text ? parseLesson(text.value(), path) : Result<Lesson>(Error{text.error()});
    if (!lesson) {
        // A file that cannot be read is not called faulty: the learner looks at the right thing.
        const QString headline = text ? QStringLiteral("这一课的课文文件有误，无法打开。\n\n")
                                      : QStringLiteral("这一课的课文文件无法读取，无法打开。\n\n");
        context.ports.dialogs.warning(QStringLiteral("提示"), headline + lesson.error());
        restorePrevious(state);
        return false;
    }

    state.PreviousLessonNode = state.LessonNode;
    state.PreviousLessonNumber = state.LessonNumber;
    state.PreviousBookName = state.BookName;
    resetViews(state);

    MediaPlayer& lessonPlayer = context.ports.lessonPlayer;
    lessonPlayer.stop();
    lessonPlayer.setVolume(100);
    context.ports.wordPlayer.setVolume(100);
    const QString audio = lessonRecording(state);
    if (!audio.isEmpty())
        lessonPlayer.setFile(audio);
    const QString playerError = audio.isEmpty() ? QString() : lessonPlayer.openError();
    const bool recordingThere = fileExists(audio);
    state.recordingProblem.clear();
    if (!playerError.isEmpty())
        state.recordingProblem = recordingThere ? QStringLiteral("这一课的录音文件无法读取")
                                                : QStringLiteral("找不到这一课的录音文件");

    state.LessonTitle = lessonName(state, state.LessonNumber);

    state.lesson = std::move(lesson).value();
    state.SentenceCount = state.lesson.sentenceCount;
    state.KeyWordCount = state.lesson.keyWordCount;
    state.DictatedCount = state.lesson.dictatedCount;
    state.lessonOpen = true;

    buildTranslationLines(state, context.ports.measurer);
    buildFullTextCells(state, context.ports.measurer);
    if (state.options.allChineseCheck != FullTextChinese::Hidden) {
        state.options.allChineseCheck = FullTextChinese::Shown;
        state.fullText.TipPictureVisible = false;
    }
    layoutFullTextForCheck(state); // also shows or hides its scroll controls
    updateScrollControls(state.translation.scroll);

    // A continuous reading of the lesson left ends with it.
    endContinuousReading(state);
    state.CurrentSentence = state.StartSentence;
    showSentence(context);
    playSentenceForMode(context);
    showModePanel(context);
    state.progressCaption =
        QStringLiteral("%1 / %2").arg(state.DictatedCount).arg(state.SentenceCount);
    applyTranslationReveal(context);
    // Once per opening, not per sentence: the lesson is still there to read and to dictate.
    if (!playerError.isEmpty())
        context.ports.dialogs.warning(
            QStringLiteral("提示"),
            state.recordingProblem +
                QStringLiteral("，句子不能朗读，也不能对比读音；课文、翻译和听写照常可用。\n\n") +
                (recordingThere ? playerError : audio));
    return true;
}

void treeNodeClicked(MainContext& context, int node)
{
    MainState& state = context.state;
    if (placeOfNode(state.library, node).lesson <= 0 && (node <= 1 || !state.library.isEmpty()))
        return; // a book's own node
    state.LessonNode = node;
    applyBuiltInBookRule(state);
    state.StartSentence = 1;
    openLesson(context, true);
}

} // namespace kelvaro
