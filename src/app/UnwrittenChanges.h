#pragma once

#include "content/Result.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace kelvaro {

/// What a save of the lesson file carried: named at exit when it could not be written.
enum class LessonChange { KeyWords, Notes, DictationPasses, ClearedResults };

/// The lesson texts whose writing failed, by file. A text is kept until a later save of its
/// file succeeds, so that a lesson opened again shows it and the exit can name it.
class UnwrittenChanges
{
public:
    /// path's newest text could not be written; change joins the kinds of change it carries.
    void keep(const QString& path, const QString& text, LessonChange change);
    /// path now holds its newest text: nothing of it is kept any more.
    void written(const QString& path);
    /// The text kept for path; nullopt when its file holds everything.
    std::optional<QString> text(const QString& path) const;
    /// True when every change has been written.
    bool isEmpty() const { return m_files.isEmpty(); }
    /// One line per file: its path below root and what changed in it, in Chinese.
    QStringList describe(const QString& root) const;
    /// Writes every kept text into folder at its path below root (sub-folders made as needed).
    /// The error names the first file that could not be written; the rest are still tried.
    Status copyTo(const QString& folder, const QString& root) const;

private:
    struct File
    {
        QString text;
        QList<LessonChange> changes; ///< in the order they were first made
    };
    QMap<QString, File> m_files;
};

} // namespace kelvaro
