#include "LessonImport.h"

#include "Mp3Transcoder.h"

#include "content/Dictionary.h"
#include "content/DictionaryLemmas.h"
#include "content/LessonFileText.h"
#include "content/OwnBooks.h"
#include "content/ProgramFolder.h"
#include "content/TranscriptReader.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace kelvaro {

Result<ImportedLesson> importLesson(const ImportRequest& request)
{
    if (!QFileInfo(request.folder).isDir())
        return Error{QStringLiteral("程序文件夹 \"%1\" 不存在").arg(request.folder)};
    const ProgramFolder folder(request.folder);
    Result<QStringList> books = loadOwnBooks(folder);
    if (!books)
        return Error{books.error()};
    if (Status title = checkBookTitle(request.book, *books); !title)
        return Error{title.error()};
    const QString name =
        request.name.isEmpty() ? QFileInfo(request.audioPath).completeBaseName() : request.name;
    if (Status ok = checkLessonName(name); !ok)
        return Error{ok.error()};
    Result<int> number = nextLessonNumber(folder, request.book);
    if (!number)
        return Error{number.error()};

    Result<Transcript> transcript = readTranscriptFile(request.transcriptPath);
    if (!transcript)
        return Error{transcript.error()};
    if (!QFileInfo(request.audioPath).isFile())
        return Error{QStringLiteral("无法读取录音 \"%1\"：文件不存在").arg(request.audioPath)};

    // Any other format is made an mp3 in a private folder first; the program folder is touched
    // only by addOwnLesson.
    QString mp3 = request.audioPath;
    QTemporaryDir staging;
    if (QFileInfo(request.audioPath).suffix().compare(u"mp3", Qt::CaseInsensitive) != 0) {
        if (!staging.isValid())
            return Error{QStringLiteral("无法建立临时文件夹：%1").arg(staging.errorString())};
        mp3 = staging.filePath(QStringLiteral("recording.mp3"));
        if (Status made = transcodeToMp3(request.audioPath, mp3, request.progress); !made)
            return Error{made.error()};
    }
    Result<RecordingScan> scan =
        scanMp3(mp3, mp3 == request.audioPath ? request.progress : ImportProgress());
    if (!scan)
        return Error{scan.error().replace(mp3, request.audioPath)};

    Dictionary dictionary;
    if (QFileInfo(folder.dictionary()).isFile()) {
        Result<Dictionary> loaded = Dictionary::load(folder.dictionary());
        if (loaded)
            dictionary = std::move(loaded.value());
    }
    const DictionaryLemmas lemmas(dictionary, folder.dictionary());
    const RecordingScan& recording = *scan;
    Result<ImportedRecords> records = buildRecords(
        *transcript, request.transcriptPath, recording.lengthMs(),
        [&recording](qint64 fromMs) { return recording.speechEndMs(fromMs); }, lemmas);
    if (!records)
        return Error{records.error()};

    Result<int> added =
        addOwnLesson(folder, OwnLesson{request.book, name, lessonText(records->records), mp3});
    if (!added)
        return Error{added.error()};
    return ImportedLesson{request.book, *added, name,
                          QDir::cleanPath(folder.ownLessonAudio(request.book, *added)),
                          records->sentences};
}

} // namespace kelvaro
