#include "OwnBooks.h"

#include "BookList.h"
#include "LessonFileText.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

} // namespace kelvaro
