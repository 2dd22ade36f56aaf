#include "BookList.h"

#include "TextFile.h"

namespace kelvaro {

Result<QStringList> parseBookList(const QString& text, const QString& fileName)
{
    // Tolerate the line break a text editor adds at the end.
    qsizetype end = text.size();
    while (end > 0 && (text[end - 1] == u'\r' || text[end - 1] == u'\n'))
        --end;
    const QStringView list = QStringView(text).left(end);
    if (list.size() < 2 || list.front() != u'^' || list.back() != u'^') {
        return Error{
            QStringLiteral("课程列表文件格式有误：%1\n文件应以“^”开头并以“^”结尾。").arg(fileName)};
    }
    QStringList names;
    qsizetype b = 0;
    while (b < list.size() - 1) {
        const qsizetype c = list.indexOf(u'^', b + 1);
        names.append(list.mid(b + 1, c - b - 1).toString());
        b = c;
    }
    return names;
}

Result<QStringList> loadBookList(const QString& path)
{
    auto text = readTextFile(path);
    if (!text)
        return Error{text.error()};
    return parseBookList(text.value(), path);
}

int builtInLessonNumber(int lessonNode)
{
    return (lessonNode > 1 && lessonNode < 186) ? lessonNode - 1 : 0;
}

} // namespace kelvaro
