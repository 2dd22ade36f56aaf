#include "UnwrittenChanges.h"

#include "content/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace kelvaro {

namespace {

QString changeName(LessonChange change)
{
    switch (change) {
    case LessonChange::KeyWords:
        return QStringLiteral("重点词");
    case LessonChange::Notes:
        return QStringLiteral("笔记");
    case LessonChange::DictationPasses:
        return QStringLiteral("听写过关记录");
    case LessonChange::ClearedResults:
        return QStringLiteral("清除的成绩");
    }
    return {};
}

// path's place below root; a file outside root keeps only its name.
QString placeBelow(const QString& root, const QString& path)
{
    const QString relative = QDir(root).relativeFilePath(path);
    return relative.startsWith(QLatin1String("..")) ? QFileInfo(path).fileName() : relative;
}

} // namespace

void UnwrittenChanges::keep(const QString& path, const QString& text, LessonChange change)
{
    File& file = m_files[path];
    file.text = text;
    if (!file.changes.contains(change))
        file.changes.append(change);
}

void UnwrittenChanges::written(const QString& path)
{
    m_files.remove(path);
}

std::optional<QString> UnwrittenChanges::text(const QString& path) const
{
    const auto found = m_files.constFind(path);
    if (found == m_files.constEnd())
        return std::nullopt;
    return found->text;
}

QStringList UnwrittenChanges::describe(const QString& root) const
{
    QStringList lines;
    for (auto it = m_files.constBegin(); it != m_files.constEnd(); ++it) {
        QStringList names;
        for (LessonChange change : it->changes)
            names.append(changeName(change));
        lines.append(QStringLiteral("%1（%2）")
                         .arg(placeBelow(root, it.key()), names.join(QStringLiteral("、"))));
    }
    return lines;
}

Status UnwrittenChanges::copyTo(const QString& folder, const QString& root) const
{
    Status result = Status::success();
    for (auto it = m_files.constBegin(); it != m_files.constEnd(); ++it) {
        const QString target = QDir(folder).filePath(placeBelow(root, it.key()));
        Status written = QDir().mkpath(QFileInfo(target).absolutePath())
                             ? writeTextFile(target, it->text)
                             : Status::failure(QStringLiteral("无法建立文件夹：") +
                                               QFileInfo(target).absolutePath());
        if (!written && result)
            result = written;
    }
    return result;
}

} // namespace kelvaro
