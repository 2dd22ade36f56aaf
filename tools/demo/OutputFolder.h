#pragma once

#include "content/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvaro {

/// The program folder being generated: writes files under it by relative path and keeps
/// the list of what it wrote.
class OutputFolder
{
public:
    explicit OutputFolder(QString root);

    const QString& root() const { return m_root; }
    QString path(const QString& relative) const { return m_root + u'/' + relative; }
    const QStringList& files() const { return m_files; }

    /// Creates the folder that will hold relative.
    Status makeParent(const QString& relative) const;
    /// Notes a file that a tool wrote.
    void addFile(const QString& relative) { m_files << relative; }

    /// Writes bytes, atomically.
    Status writeBytes(const QString& relative, const QByteArray& bytes);
    /// Writes plain code page 936 text, as an installation ships it; refuses a character
    /// code page 936 lacks.
    Status writePlainText(const QString& relative, const QString& text);
    /// Writes through the program's own rich-text writer.
    Status writeRichText(const QString& relative, const QString& text);

private:
    QString m_root;
    QStringList m_files;
};

} // namespace kelvaro
