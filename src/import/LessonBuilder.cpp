#include "LessonBuilder.h"

#include "content/LessonFileText.h"
#include "content/TranscriptText.h"

#include <algorithm>

namespace kelvaro {

QString clockText(qint64 milliseconds)
{
    return QStringLiteral("%1:%2.%3")
        .arg(milliseconds / 60000)
        .arg(milliseconds / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(milliseconds % 1000, 3, 10, QLatin1Char('0'));
}

Result<ImportedRecords> buildRecords(const Transcript& transcript, const QString& transcriptPath,
                                     qint64 lengthMs, const SpeechEnd& speechEnd,
                                     const LemmaSource& words)
{
    if (transcript.kind == TranscriptKind::PlainText &&
        std::any_of(transcript.cues.begin(), transcript.cues.end(),
                    [](const TranscriptCue& cue) { return cue.startMs < 0; }))
        return transcriptError(transcript.kind, transcriptPath, 0,
                               QStringLiteral("纯文本没有时间，需要先与录音对齐。"));
    if (transcript.cues.isEmpty())
        return noSentenceError(transcript.kind, transcriptPath);

    ImportedRecords lesson;
    qint64 previousStart = -1;
    for (const TranscriptCue& cue : transcript.cues) {
        auto refuse = [&](const QString& what) {
            return transcriptError(transcript.kind, transcriptPath, cue.line, what);
        };
        if (cue.startMs < 0)
            return refuse(QStringLiteral("这句没有时间"));
        if (cue.startMs < previousStart)
            return refuse(QStringLiteral("时间倒退了"));
        if (cue.startMs >= lengthMs)
            return refuse(QStringLiteral("这句开始于 %1，录音只有 %2 长")
                              .arg(clockText(cue.startMs), clockText(lengthMs)));
        if (cue.endMs >= 0 && cue.endMs < cue.startMs)
            return refuse(QStringLiteral("时间倒退了"));
        qint64 end = cue.endMs;
        if (end < 0) {
            end = speechEnd ? speechEnd(cue.startMs) : lengthMs;
            if (end <= cue.startMs)
                end = lengthMs;
        }
        end = std::min(end, lengthMs);
        previousStart = cue.startMs;

        const QVector<SentenceSegment> segments = segmentPlainSentence(cue.english, words);
        const QString chinese = fieldSafeText(cue.chinese).simplified();
        lesson.sentences.append({displayText(segments), chinese, cue.startMs, end});
        lesson.records.append(recordText(englishField(segments), chinese,
                                         millisecondsText(cue.startMs), millisecondsText(end),
                                         QString()));
    }
    return lesson;
}

} // namespace kelvaro
