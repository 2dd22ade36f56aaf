#include "DemoBook.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace kelvaro {

namespace {

Result<QString> readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path + QStringLiteral(": ") + file.errorString()};
    return QString::fromUtf8(file.readAll());
}

} // namespace

Result<DemoBook> loadDemoBook(const QString& sourcesDir)
{
    const QDir root(sourcesDir);
    Result<QString> wordText = readUtf8(root.filePath(wordListFileName()));
    if (!wordText)
        return Error{wordText.error()};
    Result<WordList> words = WordList::parse(*wordText, wordListFileName());
    if (!words)
        return Error{words.error()};

    DemoBook book;
    book.words = std::move(words).value();
    QStringList faults;
    const QDir lessonDir(root.filePath(QStringLiteral("lessons")));
    static const QRegularExpression namePattern(QStringLiteral("^(\\d+)-[^/]*\\.txt$"));
    QMap<int, QString> byNumber;
    for (const QString& name : lessonDir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QRegularExpressionMatch match = namePattern.match(name);
        const QString shown = QStringLiteral("lessons/") + name;
        if (!match.hasMatch()) {
            faults << shown + QStringLiteral(": a lesson file is named <number>-<topic>.txt");
            continue;
        }
        const int number = match.captured(1).toInt();
        if (byNumber.contains(number)) {
            faults
                << shown +
                       QStringLiteral(": lesson %1 is also %2").arg(number).arg(byNumber[number]);
            continue;
        }
        byNumber.insert(number, shown);
    }
    if (byNumber.isEmpty())
        faults << QStringLiteral("lessons/: no lesson file");

    int expected = 1;
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it, ++expected) {
        if (it.key() != expected) {
            faults << it.value() + QStringLiteral(": lesson %1 is missing before it").arg(expected);
            break;
        }
        Result<QString> text = readUtf8(root.filePath(it.value()));
        if (!text) {
            faults << text.error();
            continue;
        }
        Result<SourceLesson> lesson = parseLessonSource(*text, it.value(), book.words);
        if (!lesson) {
            faults << lesson.error();
            continue;
        }
        book.lessons.append(std::move(lesson).value());
        book.lessons.last().number = it.key();
    }
    if (!faults.isEmpty())
        return Error{faults.join(QLatin1Char('\n'))};

    QSet<QString> used;
    for (const SourceLesson& lesson : std::as_const(book.lessons)) {
        for (const SourceSentence& sentence : lesson.sentences) {
            for (const SentenceSegment& segment : sentence.segments)
                used.insert(segment.lemma);
        }
    }
    for (const WordListEntry& entry : book.words.entries()) {
        if (!used.contains(entry.headword)) {
            book.unusedEntries << QStringLiteral("%1:%2: %3")
                                      .arg(wordListFileName())
                                      .arg(entry.line)
                                      .arg(entry.headword);
        }
    }
    return book;
}

} // namespace kelvaro
