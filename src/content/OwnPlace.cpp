#include "OwnPlace.h"

#include <QFile>
#include <QSaveFile>

namespace kelvaro {

// Three lines in UTF-8: the node, the lesson number, the book's title (a title holds no line
// break).
std::optional<OwnPlace> loadOwnPlace(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.read(4096)).split(u'\n');
    if (lines.size() < 3)
        return std::nullopt;
    bool nodeOk = false;
    bool lessonOk = false;
    OwnPlace place{lines[2].trimmed(), lines[1].toInt(&lessonOk), lines[0].toInt(&nodeOk)};
    if (!nodeOk || !lessonOk || place.book.isEmpty() || place.lesson < 1 || place.node < 1)
        return std::nullopt;
    return place;
}

Status saveOwnPlace(const QString& path, const std::optional<OwnPlace>& place)
{
    if (!place) {
        if (QFile::exists(path) && !QFile::remove(path))
            return Status::failure(QStringLiteral("无法删除文件 \"%1\"").arg(path));
        return Status::success();
    }
    QSaveFile file(path);
    const QByteArray text = QStringLiteral("%1\n%2\n%3\n")
                                .arg(place->node)
                                .arg(place->lesson)
                                .arg(place->book)
                                .toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return Status::failure(
            QStringLiteral("无法写入文件 \"%1\"：%2").arg(path, file.errorString()));
    return Status::success();
}

} // namespace kelvaro
