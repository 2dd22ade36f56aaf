#pragma once

#include <QString>

namespace kelvaro {

/// The fixed places of content, settings and learner data under the program folder.
/// Paths are built with "/"; a path that does not exist as written is looked up again
/// without regard to case, one component at a time (folders copied from Windows).
class ProgramFolder
{
public:
    explicit ProgramFolder(QString root);

    /// The folder itself, without a trailing separator.
    const QString& root() const { return m_root; }

    QString lessonFile(const QString& book, const QString& lessonNumber) const;
    QString lessonFile(const QString& book, int lessonNumber) const;
    /// The lesson recording of the built-in book; empty for a lesson outside 1..184.
    QString lessonAudio(const QString& book, int lessonNumber) const;
    /// The recording of lesson n of a learner's own book: "Sound/<book>/<n>.mp3".
    QString ownLessonAudio(const QString& book, int lessonNumber) const;
    /// The list of the learner's own books, in the order the library shows them.
    QString ownBookList() const;
    /// Where the learner was in an own book when the player last closed.
    QString ownPlace() const;
    /// The learner's speed of the lesson's readings.
    QString readingSpeed() const;
    /// "Word/<first character>/<word>.wav"; empty for an empty word.
    QString wordRecording(const QString& word) const;
    QString dictionary() const;
    QString settings() const;
    QString bookList(const QString& book) const;
    QString results(const QString& book) const;
    QString feedbackSound(const QString& fileName) const;
    QString checkPicture(bool checked) const;
    QString recorder() const;
    QString miniProgram() const;

    /// root + "/" + relative, matched without regard to case where the exact name is missing.
    QString path(const QString& relative) const;

private:
    QString m_root;
};

/// The number of the built-in book's recording ("<n>.mp3") that lesson n uses; 0 outside 1..184.
int builtInAudioFileNumber(int lessonNumber);

/// The name of the built-in book, which is also its folder and list name.
inline QString builtInBookName()
{
    return QStringLiteral("Kelvaro");
}

} // namespace kelvaro
