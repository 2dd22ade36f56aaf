// import: a learner's recording and its transcript become the next lesson of an own book; a
// plain text (and, with --align, a timed transcript) is aligned with the recording first.
#include "Commands.h"
#include "ToolIo.h"

#include "content/LessonFileText.h"
#include "import/LessonImport.h"

#include <QJsonArray>
#include <QJsonObject>

namespace kelvaro::tool {

namespace {

QJsonObject lessonJson(const ImportedLesson& lesson)
{
    QJsonArray sentences;
    for (const ImportedSentence& sentence : lesson.sentences) {
        sentences.append(QJsonObject{
            {QStringLiteral("english"), sentence.english},
            {QStringLiteral("chinese"), sentence.chinese},
            {QStringLiteral("start"), millisecondsText(sentence.startMs).toDouble()},
            {QStringLiteral("end"), millisecondsText(sentence.endMs).toDouble()},
            {QStringLiteral("confidence"),
             sentence.confidence ? QJsonValue(*sentence.confidence) : QJsonValue()},
        });
    }
    return QJsonObject{
        {QStringLiteral("book"), lesson.book},    {QStringLiteral("lesson"), lesson.number},
        {QStringLiteral("name"), lesson.name},    {QStringLiteral("recording"), lesson.recording},
        {QStringLiteral("sentences"), sentences},
    };
}

} // namespace

int importCommand(const QStringList& args)
{
    const QString usage = QStringLiteral(
        "usage: kelvaro-tool import --folder DIR --book TITLE [--name LESSON_NAME] [--align]\n"
        "                           [--json] [--progress] AUDIO TRANSCRIPT");
    ImportRequest request;
    bool json = false;
    bool progress = false;
    bool align = false;
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString* value = arg == u"--folder" ? &request.folder
                         : arg == u"--book" ? &request.book
                         : arg == u"--name" ? &request.name
                                            : nullptr;
        if (value) {
            if (++i == args.size())
                return writeErr(QStringLiteral("%1 needs a value.\n").arg(arg) + usage), kUsage;
            *value = args[i];
        } else if (arg == u"--json") {
            json = true;
        } else if (arg == u"--progress") {
            progress = true;
        } else if (arg == u"--align") {
            align = true;
        } else if (arg.startsWith(u"--")) {
            return writeErr(QStringLiteral("Unknown option %1.\n").arg(arg) + usage), kUsage;
        } else {
            positional << arg;
        }
    }
    if (positional.size() != 2 || request.folder.isEmpty() || request.book.isNull())
        return writeErr(usage), kUsage;
    request.audioPath = positional[0];
    request.transcriptPath = positional[1];
    request.align = align;
    if (progress)
        request.progress = [](int percent) {
            writeErr(QStringLiteral("progress %1").arg(percent));
        };

    const Result<ImportedLesson> lesson = importLesson(request);
    if (!lesson) {
        writeErr(lesson.error());
        return kRefused;
    }
    if (json)
        writeJson(QJsonDocument(lessonJson(*lesson)));
    else
        writeOut(QString::number(lesson->number) + u'\n');
    return kOk;
}

} // namespace kelvaro::tool
