#include "ImportChoices.h"

#include <QFileInfo>

namespace kelvaro {

namespace {

bool hasSuffix(const QString& path, const QStringList& suffixes)
{
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

} // namespace

const QStringList& recordingSuffixes()
{
    static const QStringList suffixes = {QStringLiteral("mp3"),  QStringLiteral("wav"),
                                         QStringLiteral("flac"), QStringLiteral("ogg"),
                                         QStringLiteral("opus"), QStringLiteral("m4a"),
                                         QStringLiteral("aac"),  QStringLiteral("mp4"),
                                         QStringLiteral("mkv"),  QStringLiteral("webm")};
    return suffixes;
}

const QStringList& transcriptSuffixes()
{
    static const QStringList suffixes = {QStringLiteral("lrc"), QStringLiteral("srt"),
                                         QStringLiteral("vtt"), QStringLiteral("txt")};
    return suffixes;
}

bool isRecordingFile(const QString& path)
{
    return hasSuffix(path, recordingSuffixes());
}

bool isTranscriptFile(const QString& path)
{
    return hasSuffix(path, transcriptSuffixes());
}

QString transcriptBeside(const QString& recording, const FileCheck& exists)
{
    if (recording.isEmpty())
        return {};
    const QFileInfo info(recording);
    const QString stem = info.path() + u'/' + info.completeBaseName() + u'.';
    for (const QString& suffix : transcriptSuffixes()) {
        // Files made on Windows often carry their suffix in capitals.
        for (const QString& written : {suffix, suffix.toUpper()}) {
            if (exists(stem + written))
                return stem + written;
        }
    }
    return {};
}

bool alignmentImplied(const QString& transcript)
{
    return QFileInfo(transcript).suffix().compare(u"txt", Qt::CaseInsensitive) == 0;
}

QString lessonNameFor(const QString& recording)
{
    return QFileInfo(recording).completeBaseName();
}

ImportForm formForFiles(const QStringList& files, const QString& book, const FileCheck& exists)
{
    ImportForm form;
    form.book = book;
    for (const QString& file : files) {
        if (form.recording.isEmpty() && isRecordingFile(file))
            form.recording = file;
        else if (form.transcript.isEmpty() && isTranscriptFile(file))
            form.transcript = file;
    }
    if (form.transcript.isEmpty())
        form.transcript = transcriptBeside(form.recording, exists);
    form.name = lessonNameFor(form.recording);
    return withAlignmentRule(form);
}

ImportForm withAlignmentRule(ImportForm form)
{
    const bool implied = alignmentImplied(form.transcript);
    if (implied)
        form.align = true;
    else if (form.alignLocked)
        form.align = false; // the lock came from the transcript before, not from the learner
    form.alignLocked = implied;
    return form;
}

} // namespace kelvaro
