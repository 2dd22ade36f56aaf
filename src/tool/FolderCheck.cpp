// check: reads a whole program folder the way the player will and reports what is wrong.
#include "Commands.h"
#include "ToolIo.h"

#include "content/BookList.h"
#include "content/Dictionary.h"
#include "content/Lesson.h"
#include "content/ProgramFolder.h"
#include "content/ResultsFile.h"
#include "content/Settings.h"
#include "content/TextFile.h"
#include "content/TextRules.h"

#include "playback/Mp3Decoder.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace kelvaro::tool {

namespace {

class Report
{
public:
    void error(const QString& file, const QString& message)
    {
        ++m_errors;
        writeOut(QStringLiteral("error: %1: %2\n").arg(file, message));
    }
    void warning(const QString& file, const QString& message)
    {
        ++m_warnings;
        writeOut(QStringLiteral("warning: %1: %2\n").arg(file, message));
    }
    void info(const QString& message) { writeOut(message + u'\n'); }
    int errors() const { return m_errors; }
    int warnings() const { return m_warnings; }

private:
    int m_errors = 0;
    int m_warnings = 0;
};

// A record time must be a plain decimal number: the player reads anything else as 0.
std::optional<double> timeValue(const QString& field)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(field).hasMatch())
        return std::nullopt;
    return leadingNumber(field);
}

void checkSettings(const ProgramFolder& folder, int lessonCount, Report& report)
{
    const QString path = folder.settings();
    const auto text = readTextFile(path);
    if (!text) {
        report.warning(path, QStringLiteral("missing; the player starts with first-run settings"));
        return;
    }
    bool complete = true;
    const Settings s = parseSettings(text.value(), &complete);
    if (!complete) {
        report.error(path,
                     QStringLiteral("does not hold all 33 values (an empty value 1 counts too)"));
        return;
    }
    if (s.lessonNode < 2 || s.lessonNode > lessonCount + 1)
        report.error(path,
                     QStringLiteral("value 1 (lesson node %1) names no lesson of the book list")
                         .arg(s.lessonNode));
    if (s.modeIndex < 1 || s.modeIndex > 9)
        report.error(
            path, QStringLiteral("value 3 (mode %1) is not a practice mode 1..9").arg(s.modeIndex));
}

struct LessonCheck
{
    int sentences = 0;
    QStringList words;
    QList<std::pair<int, double>> ends; ///< sentence number and End, where End is a number
};

// The length of a recording in frames at its rate; nullopt (reported) when it cannot be read.
struct RecordingLength
{
    qint64 frames = 0;
    int rate = 0;
};

std::optional<RecordingLength> recordingLength(const QString& path, Report& report)
{
    const auto decoder = Mp3Decoder::open(path);
    if (!decoder) {
        report.error(path, decoder.error());
        return std::nullopt;
    }
    decoder.value()->waitForIndex(); // the header's length is only an estimate
    return RecordingLength{decoder.value()->length(), decoder.value()->format().rate};
}

// A sentence that ends past its recording is cut short by the end of the sound.
void checkEnds(const QString& lessonPath, const LessonCheck& lesson, const RecordingLength& length,
               Report& report)
{
    const double seconds = double(length.frames) / length.rate;
    for (const auto& [sentence, end] : lesson.ends) {
        if (framesAt(end, length.rate) > length.frames)
            report.error(
                lessonPath,
                QStringLiteral("sentence %1: End %2 lies past the end of its recording (%3 s)")
                    .arg(sentence)
                    .arg(shortestDecimal(end), QString::number(seconds, 'f', 3)));
    }
}

LessonCheck checkLesson(const QString& path, Report& report)
{
    LessonCheck result;
    const auto text = readTextFile(path);
    if (!text) {
        report.error(path, text.error());
        return result;
    }
    const auto lesson = parseLesson(text.value(), path);
    if (!lesson) {
        report.error(path, lesson.error());
        return result;
    }
    result.sentences = lesson->sentenceCount;
    double previousStart = 0;
    double previousEnd = 0;
    for (int i = 0; i < lesson->sentenceCount; ++i) {
        const QString& record = lesson->records[i];
        const QString sentence = QStringLiteral("sentence %1").arg(i + 1);
        const auto start = timeValue(recordField(record, 3));
        const auto end = timeValue(recordField(record, 4));
        if (!start)
            report.error(path, QStringLiteral("%1: Start \"%2\" is not a number")
                                   .arg(sentence, recordField(record, 3)));
        if (!end)
            report.error(path, QStringLiteral("%1: End \"%2\" is not a number")
                                   .arg(sentence, recordField(record, 4)));
        if (end)
            result.ends.append({i + 1, *end});
        if (start && end) {
            if (*start > *end)
                report.error(path,
                             QStringLiteral("%1: Start %2 lies after End %3")
                                 .arg(sentence, shortestDecimal(*start), shortestDecimal(*end)));
            if (i > 0 && *start < previousStart)
                report.error(
                    path,
                    QStringLiteral("%1: starts at %2, before the sentence before it (%3)")
                        .arg(sentence, shortestDecimal(*start), shortestDecimal(previousStart)));
            else if (i > 0 && *start < previousEnd)
                report.warning(
                    path,
                    QStringLiteral("%1: starts at %2, before the sentence before it ends (%3)")
                        .arg(sentence, shortestDecimal(*start), shortestDecimal(previousEnd)));
            previousStart = *start;
            previousEnd = *end;
        }
        for (const Segment& segment : recordSegments(record)) {
            if (segment.isWord)
                result.words.append(segment.word);
        }
    }
    return result;
}

} // namespace

int checkCommand(const QStringList& args)
{
    if (args.size() != 1)
        return writeErr(QStringLiteral("usage: kelvaro-tool check FOLDER")), kUsage;
    if (!QDir(args[0]).exists()) {
        writeErr(QStringLiteral("The program folder \"%1\" does not exist.").arg(args[0]));
        return kRefused;
    }
    const ProgramFolder folder(QDir(args[0]).absolutePath());
    const QString book = builtInBookName();
    Report report;

    const QString listPath = folder.bookList(book);
    const auto titles = loadBookList(listPath);
    if (!titles)
        report.error(listPath, titles.error());
    const QStringList lessonTitles = titles ? titles.value() : QStringList();

    checkSettings(folder, int(lessonTitles.size()), report);

    const QString dictionaryPath = folder.dictionary();
    const auto loaded = Dictionary::load(dictionaryPath);
    if (!loaded)
        report.error(dictionaryPath, loaded.error());
    const Dictionary dictionary = loaded ? loaded.value() : Dictionary();

    int sentences = 0;
    QSet<QString> missingWords;
    QHash<QString, std::optional<RecordingLength>> checkedAudio;
    for (int n = 1; n <= lessonTitles.size(); ++n) {
        const QString path = folder.lessonFile(book, n);
        if (!fileExists(path)) {
            report.error(path, QStringLiteral("lesson %1 (\"%2\") has no lesson file")
                                   .arg(n)
                                   .arg(lessonTitles[n - 1]));
            continue;
        }
        const LessonCheck lesson = checkLesson(path, report);
        sentences += lesson.sentences;
        if (loaded) {
            for (const QString& word : lesson.words) {
                if (!missingWords.contains(word) && !dictionary.lookUpWord(word).found) {
                    missingWords.insert(word);
                    report.warning(dictionaryPath,
                                   QStringLiteral("\"%1\" (lesson %2) is not in the dictionary")
                                       .arg(word)
                                       .arg(n));
                }
            }
        }
        const QString audio = folder.lessonAudio(book, n);
        if (audio.isEmpty()) {
            report.warning(
                path,
                QStringLiteral("lesson %1 lies outside the book's recordings (1..184)").arg(n));
        } else {
            if (!checkedAudio.contains(audio)) {
                if (!fileExists(audio)) {
                    report.error(audio,
                                 QStringLiteral("the recording of lesson %1 is missing").arg(n));
                    checkedAudio.insert(audio, std::nullopt);
                } else {
                    checkedAudio.insert(audio, recordingLength(audio, report));
                }
            }
            if (const auto& length = checkedAudio.value(audio))
                checkEnds(path, lesson, *length, report);
        }
    }

    const QString resultsPath = folder.results(book);
    const auto resultsText = readTextFile(resultsPath);
    if (!resultsText) {
        report.error(resultsPath, resultsText.error());
    } else {
        const auto entries = resultsEntries(resultsText.value());
        if (entries.isEmpty() && !lessonTitles.isEmpty())
            report.error(resultsPath,
                         QStringLiteral("holds no entries (it must begin and end with \"^\")"));
        QSet<QString> entryTitles;
        for (const ResultsEntry& entry : entries) {
            if (!entry.counted())
                report.warning(
                    resultsPath,
                    QStringLiteral("entry \"%1%2\" has no star").arg(entry.star).arg(entry.title));
            entryTitles.insert(entry.title);
        }
        const QSet<QString> titleSet(lessonTitles.begin(), lessonTitles.end());
        for (const QString& title : lessonTitles) {
            if (!entryTitles.contains(title))
                report.warning(resultsPath,
                               QStringLiteral("lesson \"%1\" has no entry").arg(title));
        }
        for (const ResultsEntry& entry : entries) {
            if (entry.counted() && !titleSet.contains(entry.title))
                report.warning(resultsPath,
                               QStringLiteral("entry \"%1\" names no lesson of the book list")
                                   .arg(entry.title));
        }
    }

    report.info(QStringLiteral("checked %1: %2 lessons, %3 sentences; %4 errors, %5 warnings")
                    .arg(folder.root())
                    .arg(lessonTitles.size())
                    .arg(sentences)
                    .arg(report.errors())
                    .arg(report.warnings()));
    return report.errors() > 0 ? kRefused : kOk;
}

} // namespace kelvaro::tool
