#include "OutputFolder.h"

#include "content/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace kelvaro {

OutputFolder::OutputFolder(QString root) : m_root(std::move(root))
{
    while (m_root.size() > 1 && m_root.endsWith(u'/'))
        m_root.chop(1);
}

Status OutputFolder::makeParent(const QString& relative) const
{
    const QString folder = QFileInfo(path(relative)).path();
    if (!QDir().mkpath(folder))
        return Status::failure(folder + QStringLiteral(": cannot create the folder"));
    return Status::success();
}

Status OutputFolder::writeBytes(const QString& relative, const QByteArray& bytes)
{
    if (Status made = makeParent(relative); !made)
        return made;
    QSaveFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Status::failure(file.fileName() + QStringLiteral(": ") + file.errorString());
    m_files << relative;
    return Status::success();
}

Status OutputFolder::writePlainText(const QString& relative, const QString& text)
{
    bool complete = true;
    const QByteArray bytes = encodeCp936(text, &complete);
    if (!complete) {
        return Status::failure(path(relative) +
                               QStringLiteral(": the text has a character code page 936 lacks"));
    }
    return writeBytes(relative, bytes);
}

Status OutputFolder::writeRichText(const QString& relative, const QString& text)
{
    if (Status made = makeParent(relative); !made)
        return made;
    if (Status written = writeTextFile(path(relative), text); !written)
        return written;
    m_files << relative;
    return Status::success();
}

} // namespace kelvaro
