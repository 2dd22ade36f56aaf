#include "LessonCompletion.h"

#include "content/ResultsFile.h"
#include "content/TextFile.h"

namespace kelvaro {

namespace {

// Why the book page has nothing to list, naming the file; empty for a usable file.
QString resultsNotice(const QString& path, const Result<QString>& text)
{
    if (!fileExists(path))
        return QStringLiteral("找不到本册的成绩文件：\n") + path;
    if (!text)
        return QStringLiteral("无法读取本册的成绩文件：\n") + text.error();
    const QString& value = text.value();
    if (value.isEmpty())
        return QStringLiteral("本册的成绩文件是空的：\n") + path;
    if (value.front() != u'^' || value.back() != u'^')
        return QStringLiteral("本册的成绩文件格式有误：\n") + path;
    return {};
}

} // namespace

void lessonCompleted(MainContext& context)
{
    markLessonCompleted(context);
    showResults(context);
}

void markLessonCompleted(MainContext& context)
{
    MainState& state = context.state;
    const QString path = state.folder.results(state.BookName);
    // The file comes with the book: a missing one is not invented, and a file that could not
    // be read is not overwritten with what little is known of it.
    if (!fileExists(path))
        return;
    const auto text = readTextFile(path);
    if (!text)
        return;
    writeResultsText(context, text.value(),
                     kelvaro::markLessonCompleted(text.value(), state.LessonTitle));
}

void showResults(MainContext& context)
{
    MainState& state = context.state;
    ResultsView& view = state.results;
    view.visible = true;
    fillLessonPage(view, state.lesson.records, state.lesson.sentences);
    const QString path = state.folder.results(state.BookName);
    const auto text = fileExists(path) ? readTextFile(path) : Result<QString>(QString());
    view.bookNotice = resultsNotice(path, text);
    const QVector<ResultsEntry> entries =
        text ? resultsEntries(text.value()) : QVector<ResultsEntry>();
    fillBookPage(view, entries);
}

Status writeResultsText(MainContext& context, const QString& oldText, const QString& newText,
                        bool report)
{
    if (newText == oldText)
        return Status::success();
    MainState& state = context.state;
    Status written = writeTextFile(state.folder.results(state.BookName), newText);
    if (!written) {
        if (report)
            context.ports.dialogs.warning(QStringLiteral("提示"),
                                          QStringLiteral("成绩文件保存失败，成绩没有改变。\n\n") +
                                              written.error());
        return written;
    }
    return written;
}

} // namespace kelvaro
