#pragma once

#include "Result.h"
#include "Transcript.h"

#include <QString>
#include <QStringView>

namespace kelvaro {

/// A transcript line parted into its English and its Chinese; either may be empty.
struct BilingualLine
{
    QString english;
    QString chinese;
};

/// English as a lesson keeps it: curly quotes and apostrophes made plain ASCII, whitespace
/// collapsed to single spaces and trimmed.
QString plainEnglish(QStringView text);

/// True when English text ends a sentence: ".", "!" or "?", maybe followed by closing quotes or
/// brackets.
bool endsWithSentenceStop(QStringView english);

/// Parts a line into English and Chinese: "English / 中文", "English | 中文", "中文 / English",
/// "Good morning. 早上好。"; a line with no ideograph is English, any other line is Chinese.
BilingualLine splitBilingual(QStringView line);

/// Appends one line of English to text, with a space between.
void appendEnglish(QString& text, const QString& more);

/// Appends one line of Chinese to text: no space between ideographs, one beside Latin text.
void appendChinese(QString& text, const QString& more);

/// The refusal of a transcript, in Chinese: it names the file, and the line when line > 0.
Error transcriptError(TranscriptKind kind, const QString& fileName, int line, const QString& what);

/// The refusal of a transcript that holds no English sentence.
Error noSentenceError(TranscriptKind kind, const QString& fileName);

} // namespace kelvaro
