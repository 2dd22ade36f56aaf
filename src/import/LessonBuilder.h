#pragma once

#include "content/Result.h"
#include "content/SentenceMarkup.h"
#include "content/Transcript.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kelvaro {

/// One sentence of an imported lesson as its record holds it.
struct ImportedSentence
{
    QString english; ///< as shown
    QString chinese;
    qint64 startMs = 0;
    qint64 endMs = 0;
    std::optional<double> confidence; ///< 0..1 where the aligner placed the sentence
};

/// The records of an imported lesson and what they say.
struct ImportedRecords
{
    QList<ImportedSentence> sentences;
    QStringList records; ///< one lesson record per sentence, Note and Done empty
};

/// Where the speech that begins at fromMs ends: the last moment above silence before the
/// recording's end.
using SpeechEnd = std::function<qint64(qint64 fromMs)>;

/// The lesson records of a timed transcript over a recording of lengthMs: English segmented
/// with words' forms, times in milliseconds. A cue's end past the recording is clipped to its
/// end; a cue without an end (LRC's last) ends where speechEnd says. Refused in Chinese, naming
/// transcriptPath and the line: no cue, a cue without times (plain text not aligned), a cue that
/// starts past the end of the recording, times that go backwards.
Result<ImportedRecords> buildRecords(const Transcript& transcript, const QString& transcriptPath,
                                     qint64 lengthMs, const SpeechEnd& speechEnd,
                                     const LemmaSource& words);

/// "m:ss.mmm" for messages.
QString clockText(qint64 milliseconds);

} // namespace kelvaro
