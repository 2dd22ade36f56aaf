#pragma once

// Shared by the transcript tests: readable cues in failures and a short way to write them.

#include "content/Transcript.h"
#include "content/TranscriptReader.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kelvaro {

inline void PrintTo(const TranscriptCue& cue, std::ostream* out)
{
    *out << "{\"" << cue.english.toStdString() << "\", \"" << cue.chinese.toStdString() << "\", "
         << cue.startMs << ", " << cue.endMs << ", line " << cue.line << "}";
}

/// A cue as a test expects it.
inline TranscriptCue cue(const char16_t* english, const char16_t* chinese, qint64 startMs,
                         qint64 endMs, int line)
{
    return TranscriptCue{QString::fromUtf16(english), QString::fromUtf16(chinese), startMs, endMs,
                         line};
}

/// The cues read from text given as UTF-8 under fileName; none (and a failure) when refused.
inline QList<TranscriptCue> cuesOf(const char16_t* text, const char* fileName)
{
    const auto read =
        readTranscript(QString::fromUtf16(text).toUtf8(), QString::fromUtf8(fileName));
    EXPECT_TRUE(read.ok()) << fileName << ": " << read.error().toStdString();
    return read.ok() ? read->cues : QList<TranscriptCue>{};
}

/// The refusal of text given as UTF-8 under fileName; empty (and a failure) when it is read.
inline QString refusalOf(const char16_t* text, const char* fileName)
{
    const auto read =
        readTranscript(QString::fromUtf16(text).toUtf8(), QString::fromUtf8(fileName));
    EXPECT_FALSE(read.ok()) << fileName << " was read";
    return read.error();
}

} // namespace kelvaro
