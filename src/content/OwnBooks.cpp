#include "OwnBooks.h"

#include "BookList.h"
#include "LessonFileText.h"
#include "ResultsFile.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace kelvaro {

namespace {

bool hasControlCharacter(const QString& text)
{
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// Names Windows keeps for devices, refused there in any case and with any extension.
bool isDeviceName(const QString& title)
{
    const QString base = title.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (devices.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")) &&
           base[3] >= u'1' && base[3] <= u'9';
}

// A list file's names, or an empty list when the file is not there.
Result<QStringList> loadListIfPresent(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QStringList();
    Result<QStringList> names = loadBookList(path);
    if (!names)
        return Error{
            QStringLiteral("无法读取列表 \"%1\"：格式不对，应以 \"^\" 开始和结束").arg(path)};
    return names;
}

Status makeFolderFor(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return Status::success();
    return Status::failure(QStringLiteral("无法建立文件夹 \"%1\"").arg(folder));
}

Status writeBytes(const QString& path, const QByteArray& bytes)
{
    if (Status made = makeFolderFor(path); !made)
        return made;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::failure(QStringLiteral("无法写入文件 \"%1\"：%2").arg(path, reason));
    }
    if (!file.commit())
        return Status::failure(
            QStringLiteral("无法写入文件 \"%1\"：%2").arg(path, file.errorString()));
    return Status::success();
}

Status writeText(const QString& path, const QString& text)
{
    if (Status made = makeFolderFor(path); !made)
        return made;
    return writeTextFile(path, text);
}

// The text of a file that may be missing: nullopt when it is not there.
Result<std::optional<QString>> readIfPresent(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::optional<QString>();
    Result<QString> text = readTextFile(path);
    if (!text)
        return Error{QStringLiteral("无法读取文件 \"%1\"").arg(path)};
    return std::optional<QString>(*text);
}

// The index of lesson number's entry among the results entries: its own place when the title
// there is the lesson's, else the first entry of that title; -1 for none.
int resultsEntryIndex(const QString& results, int number, const QString& title)
{
    const QVector<ResultsEntry> entries = resultsEntries(results);
    if (number >= 1 && number <= entries.size() && entries[number - 1].title == title)
        return number - 1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].title == title)
            return i;
    }
    return -1;
}

// results with entry index replaced by entry, or removed when entry is null; everything else
// stays as it was written.
QString withResultsEntry(const QString& results, int index, const std::optional<QString>& entry)
{
    QStringList parts = results.split(u'^');
    if (entry)
        parts[index + 1] = *entry;
    else
        parts.removeAt(index + 1);
    return parts.join(u'^');
}

// A folder about to be written must take files; checked before anything changes.
Status checkWritable(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (folder.exists() && !folder.isWritable())
        return Status::failure(
            QStringLiteral("文件夹 \"%1\" 不能写入，什么也没有改变").arg(folder.filePath()));
    if (QFileInfo(path).isDir())
        return Status::failure(
            QStringLiteral("\"%1\" 是一个文件夹，不是文件，什么也没有改变").arg(path));
    return Status::success();
}

// Text files written so far, with what stood there before, so that a later failure puts
// them back.
class TextJournal
{
public:
    Status write(const QString& path, const std::optional<QString>& before, const QString& text)
    {
        Status s = writeText(path, text);
        if (s)
            m_entries.append({path, before});
        return s;
    }
    Status remove(const QString& path, const std::optional<QString>& before)
    {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return Status::failure(QStringLiteral("无法删除文件 \"%1\"").arg(path));
        m_entries.append({path, before});
        return Status::success();
    }
    /// Puts every file back and returns failure's error.
    Status undo(const Status& failure)
    {
        for (auto e = m_entries.crbegin(); e != m_entries.crend(); ++e) {
            if (e->second)
                writeTextFile(e->first, *e->second);
            else
                QFile::remove(e->first);
        }
        m_entries.clear();
        return failure;
    }

private:
    QVector<QPair<QString, std::optional<QString>>> m_entries;
};

// Moves from onto to, replacing to in one step (no moment without a file at to); a missing
// from leaves no to either.
Status moveOver(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(from)) {
        if (QFileInfo::exists(to) && !QFile::remove(to))
            return Status::failure(QStringLiteral("无法删除文件 \"%1\"").arg(to));
        return Status::success();
    }
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return Status::failure(QStringLiteral("无法把文件 \"%1\" 改名为 \"%2\"").arg(from, to));
    return Status::success();
}

Status removeFile(const QString& path)
{
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return Status::failure(QStringLiteral("无法删除文件 \"%1\"").arg(path));
    return Status::success();
}

// What renaming and removing read first: the book's lessons and results.
struct OwnBookFiles
{
    QStringList books;
    QStringList lessons;
    std::optional<QString> results;
};

Result<OwnBookFiles> readOwnBook(const ProgramFolder& folder, const QString& book, int number)
{
    Result<QStringList> books = loadOwnBooks(folder);
    if (!books)
        return Error{books.error()};
    if (!books->contains(book))
        return Error{QStringLiteral("\"%1\" 不是自己的课本").arg(book)};
    Result<QStringList> lessons = loadListIfPresent(folder.bookList(book));
    if (!lessons)
        return Error{lessons.error()};
    if (number < 1 || number > lessons->size())
        return Error{QStringLiteral("课本 \"%1\" 没有第 %2 课（%3）")
                         .arg(book)
                         .arg(number)
                         .arg(folder.bookList(book))};
    Result<std::optional<QString>> results = readIfPresent(folder.results(book));
    if (!results)
        return Error{results.error()};
    return OwnBookFiles{*books, *lessons, *results};
}

} // namespace

Result<QStringList> loadOwnBooks(const ProgramFolder& folder)
{
    return loadListIfPresent(folder.ownBookList());
}

Status checkBookTitle(const QString& title, const QStringList& ownBooks)
{
    auto refuse = [&](const QString& why) {
        return Status::failure(QStringLiteral("书名 \"%1\" 不能使用：%2").arg(title, why));
    };
    if (title.isEmpty())
        return Status::failure(QStringLiteral("书名不能为空"));
    for (QChar c : QStringView(u"^/\\#*$<>:\"|?")) {
        if (title.contains(c))
            return refuse(QStringLiteral("不能含有 \"%1\"").arg(c));
    }
    if (hasControlCharacter(title))
        return refuse(QStringLiteral("不能含有控制字符"));
    if (title == u"." || title == u"..")
        return refuse(QStringLiteral("这不是一个文件夹名"));
    if (title.endsWith(u'.') || title.endsWith(u' ') || title.startsWith(u' '))
        return refuse(QStringLiteral("不能以句点或空格开始或结束"));
    if (isDeviceName(title))
        return refuse(QStringLiteral("这是系统保留的名字"));
    if (title.compare(builtInBookName(), Qt::CaseInsensitive) == 0)
        return refuse(QStringLiteral("这是内置课本的名字"));
    for (const QString& book : ownBooks) {
        if (book != title && book.compare(title, Qt::CaseInsensitive) == 0)
            return refuse(QStringLiteral("已有一本书叫 \"%1\"，只是大小写不同").arg(book));
    }
    return Status::success();
}

Status checkLessonName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return Status::failure(QStringLiteral("课名不能为空"));
    if (name.contains(u'^') || hasControlCharacter(name))
        return Status::failure(
            QStringLiteral("课名 \"%1\" 不能使用：不能含有 \"^\" 或控制字符").arg(name));
    return Status::success();
}

Result<int> nextLessonNumber(const ProgramFolder& folder, const QString& book)
{
    Result<QStringList> lessons = loadListIfPresent(folder.bookList(book));
    if (!lessons)
        return Error{lessons.error()};
    return int(lessons->size()) + 1;
}

Result<int> addOwnLesson(const ProgramFolder& folder, const OwnLesson& lesson)
{
    Result<QStringList> books = loadOwnBooks(folder);
    if (!books)
        return Error{books.error()};
    if (Status title = checkBookTitle(lesson.book, *books); !title)
        return Error{title.error()};
    if (Status name = checkLessonName(lesson.name); !name)
        return Error{name.error()};
    const QString listPath = folder.bookList(lesson.book);
    Result<QStringList> lessons = loadListIfPresent(listPath);
    if (!lessons)
        return Error{lessons.error()};
    const QString resultsPath = folder.results(lesson.book);
    QString results = QStringLiteral("^");
    if (QFileInfo::exists(resultsPath)) {
        Result<QString> text = readTextFile(resultsPath);
        if (!text)
            return Error{QStringLiteral("无法读取文件 \"%1\"").arg(resultsPath)};
        if (!text->isEmpty())
            results = *text;
        if (!results.endsWith(u'^'))
            results += u'^';
    }
    QFile recording(lesson.recordingPath);
    if (!recording.open(QIODevice::ReadOnly))
        return Error{QStringLiteral("无法读取录音 \"%1\"：%2")
                         .arg(lesson.recordingPath, recording.errorString())};
    const QByteArray audio = recording.readAll();
    const int number = int(lessons->size()) + 1;

    // Each file points only at files written before it.
    if (Status s = writeBytes(folder.ownLessonAudio(lesson.book, number), audio); !s)
        return Error{s.error()};
    if (Status s = writeText(folder.lessonFile(lesson.book, number), lesson.text); !s)
        return Error{s.error()};
    if (Status s = writeText(resultsPath, results + QChar(0x2606) + lesson.name + u'^'); !s)
        return Error{s.error()};
    if (Status s = writeText(listPath, bookListText(QStringList(*lessons) << lesson.name)); !s)
        return Error{s.error()};
    if (!books->contains(lesson.book)) {
        if (Status s =
                writeText(folder.ownBookList(), bookListText(QStringList(*books) << lesson.book));
            !s)
            return Error{s.error()};
    }
    return number;
}

Status renameOwnLesson(const ProgramFolder& folder, const QString& book, int number,
                       const QString& name)
{
    if (Status checked = checkLessonName(name); !checked)
        return checked;
    Result<OwnBookFiles> files = readOwnBook(folder, book, number);
    if (!files)
        return Status::failure(files.error());
    const QString oldName = files->lessons[number - 1];
    if (name == oldName)
        return Status::success();
    const QString listPath = folder.bookList(book);
    const QString resultsPath = folder.results(book);
    for (const QString& path : {listPath, resultsPath}) {
        if (Status s = checkWritable(path); !s)
            return s;
    }
    QStringList lessons = files->lessons;
    lessons[number - 1] = name;
    TextJournal journal;
    if (const std::optional<QString>& results = files->results) {
        const int entry = resultsEntryIndex(*results, number, oldName);
        if (entry >= 0) {
            const QChar star = resultsEntries(*results)[entry].star;
            const QString text = withResultsEntry(*results, entry, QString(star) + name);
            if (Status s = journal.write(resultsPath, results, text); !s)
                return s;
        }
    }
    if (Status s = journal.write(listPath, bookListText(files->lessons), bookListText(lessons)); !s)
        return journal.undo(s);
    return Status::success();
}

Status removeOwnLesson(const ProgramFolder& folder, const QString& book, int number)
{
    Result<OwnBookFiles> files = readOwnBook(folder, book, number);
    if (!files)
        return Status::failure(files.error());
    const int count = int(files->lessons.size());
    const QString listPath = folder.bookList(book);
    const QString resultsPath = folder.results(book);
    QStringList places = {listPath, resultsPath};
    for (int n = number; n <= count; ++n)
        places << folder.lessonFile(book, n) << folder.ownLessonAudio(book, n);
    if (count == 1)
        places << folder.ownBookList();
    for (const QString& path : places) {
        if (Status s = checkWritable(path); !s)
            return s;
    }

    TextJournal journal;
    if (count == 1) {
        // Nothing lists the book once the own-book list goes without it; then its files go.
        QStringList books = files->books;
        books.removeAll(book);
        // A list needs one name at least ("^" alone does not read): no books, no list.
        const Status listed = books.isEmpty()
                                  ? journal.remove(folder.ownBookList(), bookListText(files->books))
                                  : journal.write(folder.ownBookList(), bookListText(files->books),
                                                  bookListText(books));
        if (!listed)
            return listed;
        if (Status s = journal.remove(resultsPath, files->results); !s)
            return journal.undo(s);
        if (Status s = journal.remove(listPath, bookListText(files->lessons)); !s)
            return journal.undo(s);
        for (const QString& path : {folder.lessonFile(book, 1), folder.ownLessonAudio(book, 1)}) {
            if (Status s = removeFile(path); !s)
                return s;
        }
        QDir().rmdir(QFileInfo(folder.lessonFile(book, 1)).absolutePath());
        QDir().rmdir(QFileInfo(folder.ownLessonAudio(book, 1)).absolutePath());
        return Status::success();
    }

    // The shorter list first: its entries 1..n-1 all have their files while the later lessons
    // move down, each move replacing the file below it in one step.
    QStringList lessons = files->lessons;
    const QString name = lessons.takeAt(number - 1);
    if (Status s = journal.write(listPath, bookListText(files->lessons), bookListText(lessons)); !s)
        return s;
    if (const std::optional<QString>& results = files->results) {
        const int entry = resultsEntryIndex(*results, number, name);
        if (entry >= 0) {
            if (Status s = journal.write(resultsPath, results,
                                         withResultsEntry(*results, entry, std::nullopt));
                !s)
                return journal.undo(s);
        }
    }
    for (int n = number; n < count; ++n) {
        if (Status s = moveOver(folder.lessonFile(book, n + 1), folder.lessonFile(book, n)); !s)
            return s;
        if (Status s = moveOver(folder.ownLessonAudio(book, n + 1), folder.ownLessonAudio(book, n));
            !s)
            return s;
    }
    if (number == count) {
        for (const QString& path :
             {folder.lessonFile(book, count), folder.ownLessonAudio(book, count)}) {
            if (Status s = removeFile(path); !s)
                return s;
        }
    }
    return Status::success();
}

} // namespace kelvaro
