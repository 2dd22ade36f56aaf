#pragma once

#include <QList>
#include <QString>

namespace kelvaro {

/// One sentence of a learner's transcript with its place in the recording.
struct TranscriptCue
{
    QString english;     ///< the English text of the sentence, one line, spaces collapsed
    QString chinese;     ///< its Chinese, may be empty
    qint64 startMs = -1; ///< -1 when the transcript gives no time (plain text)
    qint64 endMs = -1;   ///< -1 when unknown (LRC's last cue, plain text)
    int line = 0;        ///< 1-based line of the transcript where the cue begins, for messages

    friend bool operator==(const TranscriptCue&, const TranscriptCue&) = default;
};

/// The form a transcript was written in.
enum class TranscriptKind { Lrc, Srt, Vtt, PlainText };

/// A transcript read into sentences, in the order they are spoken.
struct Transcript
{
    TranscriptKind kind = TranscriptKind::PlainText;
    QList<TranscriptCue> cues;
};

} // namespace kelvaro
