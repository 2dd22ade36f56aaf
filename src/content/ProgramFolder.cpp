#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace kelvaro {

namespace {

// Finds relative under root; components that are missing as written are matched without
// regard to case. From the first component that matches nothing on, the rest is kept as
// written: a file still to be made goes into the folders that are there ("setting/" of a
// copied folder), and callers report that name.
QString resolveCaseInsensitive(const QString& root, const QString& relative)
{
    const QString exact = root + QLatin1Char('/') + relative;
    if (QFileInfo::exists(exact))
        return exact;
    QString current = root;
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString candidate = current + QLatin1Char('/') + part;
        if (QFileInfo::exists(candidate)) {
            current = candidate;
            continue;
        }
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden |
                                                            QDir::System | QDir::NoDotAndDotDot);
        QString match;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return current + QLatin1Char('/') + parts.mid(i).join(QLatin1Char('/'));
        current += QLatin1Char('/') + match;
    }
    return current;
}

} // namespace

ProgramFolder::ProgramFolder(QString root) : m_root(std::move(root))
{
    while (m_root.size() > 1 && m_root.endsWith(QLatin1Char('/')))
        m_root.chop(1);
}

QString ProgramFolder::path(const QString& relative) const
{
    return resolveCaseInsensitive(m_root, relative);
}

QString ProgramFolder::lessonFile(const QString& book, const QString& lessonNumber) const
{
    return path(QStringLiteral("Book/") + book + QLatin1Char('/') + lessonNumber +
                QStringLiteral(".dat"));
}

QString ProgramFolder::lessonFile(const QString& book, int lessonNumber) const
{
    return lessonFile(book, QString::number(lessonNumber));
}

QString ProgramFolder::lessonAudio(const QString& book, int lessonNumber) const
{
    const int file = builtInAudioFileNumber(lessonNumber);
    if (file == 0)
        return {};
    return path(QStringLiteral("Sound/") + book + QLatin1Char('/') + QString::number(file) +
                QStringLiteral(".mp3"));
}

QString ProgramFolder::ownLessonAudio(const QString& book, int lessonNumber) const
{
    return path(QStringLiteral("Sound/") + book + QLatin1Char('/') + QString::number(lessonNumber) +
                QStringLiteral(".mp3"));
}

QString ProgramFolder::ownBookList() const
{
    return path(QStringLiteral("SETTING/BookList.dat"));
}

QString ProgramFolder::ownPlace() const
{
    return path(QStringLiteral("SETTING/OwnPlace.dat"));
}

QString ProgramFolder::readingSpeed() const
{
    return path(QStringLiteral("SETTING/Speed.dat"));
}

QString ProgramFolder::wordRecording(const QString& word) const
{
    if (word.isEmpty())
        return {};
    return path(QStringLiteral("Word/") + word.left(1) + QLatin1Char('/') + word +
                QStringLiteral(".wav"));
}

QString ProgramFolder::dictionary() const
{
    return path(QStringLiteral("lib.dll"));
}
QString ProgramFolder::settings() const
{
    return path(QStringLiteral("SETTING/Set.dat"));
}

QString ProgramFolder::bookList(const QString& book) const
{
    return path(QStringLiteral("SETTING/BookList/") + book + QStringLiteral(".dat"));
}

QString ProgramFolder::results(const QString& book) const
{
    return path(QStringLiteral("SETTING/Results/") + book + QStringLiteral(".dat"));
}

QString ProgramFolder::feedbackSound(const QString& fileName) const
{
    return path(QStringLiteral("SETTING/Sound/") + fileName);
}

QString ProgramFolder::checkPicture(bool checked) const
{
    return path(checked ? QStringLiteral("Bitmap/check_1.jpg")
                        : QStringLiteral("Bitmap/check_0.jpg"));
}

QString ProgramFolder::recorder() const
{
    return path(QStringLiteral("Recorder.wav"));
}
QString ProgramFolder::miniProgram() const
{
    return path(QStringLiteral("mini"));
}

int builtInAudioFileNumber(int lessonNumber)
{
    // Last lesson of each recording, in order: recording k serves the lessons after the
    // previous bound up to kLastLesson[k - 1].
    static constexpr std::array<int, 39> kLastLesson = {
        7,   15,  18,  23,  30,  37,  39,  52,  63,  68,  74,  83,  91,
        93,  94,  96,  104, 109, 110, 114, 115, 116, 117, 118, 119, 120,
        121, 130, 135, 139, 140, 145, 146, 149, 157, 175, 181, 182, 184};
    if (lessonNumber < 1 || lessonNumber > 184)
        return 0;
    for (int k = 0; k < int(kLastLesson.size()); ++k) {
        if (lessonNumber <= kLastLesson[k])
            return k + 1;
    }
    return 0;
}

} // namespace kelvaro
