#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace kelvaro {

/// A private copy of the small program folder of the test data (a two-lesson book, its list,
/// results, settings and dictionary) in a temporary folder that tests may change freely.
class TestFolder
{
public:
    TestFolder();

    /// False when the copy could not be made.
    bool isValid() const { return m_valid; }
    /// The folder, without a trailing "/".
    QString root() const { return m_dir.path(); }
    /// root + "/" + relative.
    QString path(const QString& relative) const;

    /// Replaces the file with these bytes, creating its folders. False on failure.
    bool writeBytes(const QString& relative, const QByteArray& bytes);
    /// Replaces the file with text in code page 936, as content makers save plain text.
    bool writeCp936(const QString& relative, const QString& text);
    /// Replaces the file with text in the rich-text form the program itself writes.
    bool writeRichText(const QString& relative, const QString& text);
    /// Deletes a file; true when it is gone afterwards.
    bool remove(const QString& relative);
    bool exists(const QString& relative) const;
    /// The plain text of a file as the program reads it; a null string when it cannot be read.
    QString readText(const QString& relative) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

} // namespace kelvaro
