#include "LessonImport.h"

#include "Mp3Transcoder.h"

#include "align/AlignmentFeatures.h"
#include "align/SentenceAligner.h"

#include "content/Dictionary.h"
#include "content/DictionaryLemmas.h"
#include "content/LessonFileText.h"
#include "content/OwnBooks.h"
#include "content/ProgramFolder.h"
#include "content/TranscriptReader.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

namespace kelvaro {

namespace {

/// A reporter of one step as the share [from, to] of the whole.
ImportProgress share(const ImportProgress& progress, int from, int to)
{
    if (!progress)
        return {};
    return [progress, from, to](int percent) { progress(from + (to - from) * percent / 100); };
}

/// progress reported only when it moves on: the steps below report shares of one whole.
ImportProgress steady(const ImportProgress& progress)
{
    if (!progress)
        return {};
    auto reported = std::make_shared<int>(-1);
    return [progress, reported](int percent) {
        if (percent > *reported)
            progress(*reported = percent);
    };
}

/// The transcript's sentences given the aligner's times (with the transcript's own as guides
/// when it has them); the confidences in order.
Result<std::vector<double>> alignTranscript(Transcript& transcript, const QString& transcriptPath,
                                            const RecordingScan& recording,
                                            const ImportProgress& progress)
{
    QStringList english;
    AlignOptions options;
    options.progress = progress;
    const bool timed = transcript.kind != TranscriptKind::PlainText;
    for (const TranscriptCue& cue : transcript.cues) {
        english << cue.english;
        if (timed)
            options.priorMs.emplace_back(cue.startMs, cue.endMs);
    }
    Result<QVector<AlignedSentence>> aligned =
        alignSentences(recording.alignSamples, kAlignRate, english, options);
    if (!aligned)
        return Error{QStringLiteral("无法对齐 \"%1\"：%2").arg(transcriptPath, aligned.error())};
    std::vector<double> confidence;
    for (int k = 0; k < transcript.cues.size(); ++k) {
        transcript.cues[k].startMs = (*aligned)[k].startMs;
        transcript.cues[k].endMs = (*aligned)[k].endMs;
        confidence.push_back((*aligned)[k].confidence);
    }
    return confidence;
}

} // namespace

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

    // Plain text has no times: it is aligned with the recording, which then takes most of the
    // time: decoding reports the first 30 percent, the aligner the rest.
    const bool aligning = transcript->kind == TranscriptKind::PlainText || request.align;
    const ImportProgress whole = aligning ? steady(request.progress) : request.progress;
    const ImportProgress decoding = aligning ? share(whole, 0, 30) : whole;

    // Any other format is made an mp3 in a private folder first; the program folder is touched
    // only by addOwnLesson.
    QString mp3 = request.audioPath;
    QTemporaryDir staging;
    if (QFileInfo(request.audioPath).suffix().compare(u"mp3", Qt::CaseInsensitive) != 0) {
        if (!staging.isValid())
            return Error{QStringLiteral("无法建立临时文件夹：%1").arg(staging.errorString())};
        mp3 = staging.filePath(QStringLiteral("recording.mp3"));
        const ImportProgress transcoding = aligning ? share(decoding, 0, 70) : decoding;
        if (Status made = transcodeToMp3(request.audioPath, mp3, transcoding); !made)
            return Error{made.error()};
    }
    const ImportProgress scanning = mp3 == request.audioPath ? decoding
                                    : aligning               ? share(decoding, 70, 100)
                                                             : ImportProgress();
    Result<RecordingScan> scan = scanMp3(mp3, scanning, aligning);
    if (!scan)
        return Error{scan.error().replace(mp3, request.audioPath)};
    std::vector<double> confidence;
    if (aligning) {
        Result<std::vector<double>> aligned = alignTranscript(
            transcript.value(), request.transcriptPath, *scan, share(whole, 30, 100));
        if (!aligned)
            return Error{aligned.error()};
        confidence = std::move(aligned.value());
        scan.value().alignSamples = {}; // the samples are no longer needed
    }

    Dictionary dictionary;
    if (QFileInfo(folder.dictionary()).isFile()) {
        Result<Dictionary> loaded = Dictionary::load(folder.dictionary());
        if (loaded)
            dictionary = std::move(loaded.value());
    }
    OpenDictionary open;
    if (const QString openPath = OpenDictionary::installedPath(); !openPath.isEmpty()) {
        Result<OpenDictionary> loaded = OpenDictionary::load(openPath);
        if (loaded)
            open = std::move(loaded.value());
    }
    const DictionaryLemmas lemmas(dictionary, folder.dictionary(), &open);
    const RecordingScan& recording = *scan;
    Result<ImportedRecords> records = buildRecords(
        *transcript, request.transcriptPath, recording.lengthMs(),
        [&recording](qint64 fromMs) { return recording.speechEndMs(fromMs); }, lemmas);
    if (!records)
        return Error{records.error()};
    for (size_t k = 0; k < confidence.size() && k < size_t(records->sentences.size()); ++k)
        records.value().sentences[qsizetype(k)].confidence = confidence[k];

    Result<int> added =
        addOwnLesson(folder, OwnLesson{request.book, name, lessonText(records->records), mp3});
    if (!added)
        return Error{added.error()};
    return ImportedLesson{request.book, *added, name,
                          QDir::cleanPath(folder.ownLessonAudio(request.book, *added)),
                          records->sentences};
}

} // namespace kelvaro
