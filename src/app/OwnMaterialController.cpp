#include "OwnMaterialController.h"

#include "ImportChoices.h"
#include "LessonOpening.h"
#include "LibraryLoading.h"

#include "content/OwnBooks.h"

#include <QFileInfo>

namespace kelvaro {

namespace {

const QString kTitle = QStringLiteral("提示");

// The reason the entries cannot be imported; empty when they can.
QString formProblem(const ImportForm& form, const QStringList& ownBooks)
{
    if (form.recording.isEmpty())
        return QStringLiteral("请选择录音文件。");
    if (!QFileInfo(form.recording).isFile())
        return QStringLiteral("找不到录音文件 \"%1\"。").arg(form.recording);
    if (form.transcript.isEmpty())
        return QStringLiteral("请选择字幕或文本文件（LRC、SRT、VTT 或 TXT）。");
    if (!QFileInfo(form.transcript).isFile())
        return QStringLiteral("找不到字幕文件 \"%1\"。").arg(form.transcript);
    if (Status title = checkBookTitle(form.book, ownBooks); !title)
        return title.error();
    if (Status name = checkLessonName(form.name); !name)
        return name.error();
    return {};
}

} // namespace

OwnMaterialController::OwnMaterialController(MainContext& context, ImportDialog& dialog,
                                             ImportRunner& runner, QObject* parent)
    : QObject(parent), m_context(context), m_dialog(dialog), m_runner(runner)
{
}

QStringList OwnMaterialController::ownBooks() const
{
    QStringList books;
    for (qsizetype b = 1; b < m_context.state.library.size(); ++b)
        books << m_context.state.library[b].title;
    return books;
}

QString OwnMaterialController::defaultBook() const
{
    const QStringList books = ownBooks();
    if (!m_lastBook.isEmpty())
        return m_lastBook;
    if (books.contains(m_context.state.BookName))
        return m_context.state.BookName;
    if (!books.isEmpty())
        return books.back();
    return QStringLiteral("我的课本");
}

void OwnMaterialController::importRequested(const QStringList& files)
{
    if (m_runner.running())
        return; // the dialog of the import under way is still open
    const ImportForm form = formForFiles(
        files, defaultBook(), [](const QString& path) { return QFileInfo(path).isFile(); });
    m_dialog.open(form, ownBooks(), *this);
}

void OwnMaterialController::recordingChosen(const ImportForm& form)
{
    ImportForm next = form;
    next.transcript = transcriptBeside(
        form.recording, [](const QString& path) { return QFileInfo(path).isFile(); });
    next.name = lessonNameFor(form.recording);
    m_dialog.fill(withAlignmentRule(next));
}

void OwnMaterialController::transcriptChosen(const ImportForm& form)
{
    m_dialog.fill(withAlignmentRule(form));
}

void OwnMaterialController::importPressed(const ImportForm& entered)
{
    if (m_runner.running())
        return;
    ImportForm form = withAlignmentRule(entered);
    form.book = form.book.trimmed();
    form.name = form.name.trimmed();
    if (const QString problem = formProblem(form, ownBooks()); !problem.isEmpty()) {
        m_dialog.showProblem(problem);
        return;
    }
    const ImportJob job{m_context.state.folder.root(),
                        form.book,
                        form.name,
                        QFileInfo(form.recording).absoluteFilePath(),
                        QFileInfo(form.transcript).absoluteFilePath(),
                        form.align};
    m_dialog.showProblem(QString());
    m_dialog.showProgress(0);
    m_dialog.showRunning(true);
    m_runner.start(
        job, [this](int percent) { m_dialog.showProgress(percent); },
        [this, job](const ImportOutcome& outcome) { importFinished(job, outcome); });
}

void OwnMaterialController::cancelPressed()
{
    if (!m_runner.running())
        return;
    m_runner.cancel();
    m_dialog.showRunning(false);
    m_dialog.showProblem(QStringLiteral("导入已取消，课本没有改变。"));
}

void OwnMaterialController::importFinished(const ImportJob& job, const ImportOutcome& outcome)
{
    if (!outcome.imported) {
        m_dialog.showRunning(false);
        m_dialog.showProblem(outcome.message.isEmpty() ? QStringLiteral("导入失败。")
                                                       : outcome.message);
        return;
    }
    m_lastBook = job.book;
    m_dialog.close();
    reloadLibrary();
    MainState& state = m_context.state;
    const int node = nodeOfLesson(state.library, job.book, outcome.lesson);
    if (node > 0) {
        // As a click on its node: the lesson opens at sentence 1 in the tab shown, and the
        // settings keep its node at shut-down.
        treeNodeClicked(m_context, node);
    } else {
        m_context.ports.dialogs.warning(
            kTitle, QStringLiteral("课程已导入，但在课本 \"%1\" 中找不到第 %2 课。")
                        .arg(job.book)
                        .arg(outcome.lesson));
    }
    emit changed();
}

void OwnMaterialController::reloadLibrary()
{
    MainState& state = m_context.state;
    loadLibrary(m_context);
    if (const int node = nodeOfLesson(state.library, state.BookName, state.LessonNumber))
        state.LessonNode = node;
    if (const int node =
            nodeOfLesson(state.library, state.PreviousBookName, state.PreviousLessonNumber))
        state.PreviousLessonNode = node;
}

void OwnMaterialController::renameRequested(int node)
{
    MainState& state = m_context.state;
    const LibraryPlace place = placeOfNode(state.library, node);
    if (place.book <= 0 || place.lesson <= 0)
        return;
    const QString book = state.library[place.book].title;
    QString name = state.library[place.book].lessonNames[place.lesson - 1];
    Dialogs& dialogs = m_context.ports.dialogs;
    for (;;) {
        const std::optional<QString> typed =
            dialogs.askText(QStringLiteral("重命名课程"), QStringLiteral("新的课名："), name);
        if (!typed)
            return;
        name = typed->trimmed();
        const Status checked = checkLessonName(name);
        if (checked)
            break;
        dialogs.warning(kTitle, checked.error());
    }
    const Status renamed = renameOwnLesson(state.folder, book, place.lesson, name);
    if (!renamed) {
        dialogs.warning(kTitle, QStringLiteral("课程没有改名。\n\n") + renamed.error());
        return;
    }
    reloadLibrary();
    if (state.lessonOpen && state.BookName == book && state.LessonNumber == place.lesson)
        state.LessonTitle = name;
    emit changed();
}

void OwnMaterialController::removeRequested(int node)
{
    MainState& state = m_context.state;
    const LibraryPlace place = placeOfNode(state.library, node);
    if (place.book <= 0 || place.lesson <= 0)
        return;
    const QString book = state.library[place.book].title;
    const QString name = state.library[place.book].lessonNames[place.lesson - 1];
    Dialogs& dialogs = m_context.ports.dialogs;
    if (!dialogs.question(QStringLiteral("删除课程"),
                          QStringLiteral("要删除课本 \"%1\" 的第 %2 课 \"%3\" 吗？\n\n"
                                         "这一课的课文、录音和成绩都将删除，不能恢复。")
                              .arg(book)
                              .arg(place.lesson)
                              .arg(name),
                          Dialogs::Answer::No))
        return;
    const bool wasOpen =
        state.lessonOpen && state.BookName == book && state.LessonNumber == place.lesson;
    const Status removed = removeOwnLesson(state.folder, book, place.lesson);
    if (!removed) {
        dialogs.warning(kTitle, QStringLiteral("课程没有删除。\n\n") + removed.error());
        reloadLibrary();
        emit changed();
        return;
    }
    if (m_context.history)
        m_context.history->forget(book, QString::number(place.lesson));
    // The later lessons of the book moved down one number, their recordings too.
    bool openMoved = false;
    if (state.BookName == book && state.LessonNumber > place.lesson) {
        --state.LessonNumber;
        openMoved = true;
    }
    if (state.PreviousBookName == book && state.PreviousLessonNumber > place.lesson)
        --state.PreviousLessonNumber;
    reloadLibrary();
    if (wasOpen) {
        treeNodeClicked(m_context, nearestLessonNode(state.library, node));
    } else if (openMoved && state.lessonOpen) {
        MediaPlayer& player = m_context.ports.lessonPlayer;
        player.stop();
        player.setFile(lessonRecording(state));
    }
    emit changed();
}

} // namespace kelvaro
