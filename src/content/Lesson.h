#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <array>
#include <optional>

namespace kelvaro {

/// The six fields of a record, read once where the lesson is read and again for a record the
/// program rewrites; the record text itself stays the one that is written back.
struct SentenceFields
{
    QString chinese;
    double start = 0; ///< Start in seconds, as leadingNumber reads it
    double end = 0;   ///< End in seconds, as leadingNumber reads it
    QString note;
    QString doneText;  ///< Done as stored, written back unchanged with a new note
    bool done = false; ///< only the single character "1" counts as dictated
};

/// The fields of a record; all empty (and the times 0) for a record with fewer than six "#".
SentenceFields sentenceFields(QStringView record);

/// The parsed lesson text: "*" record "*" record ... "*".
struct Lesson
{
    QString text;                      ///< the whole lesson text as read or last rebuilt
    QStringList records;               ///< record i + 1 of the text, without its "*" markers
    QVector<SentenceFields> sentences; ///< the fields of each record, in step with records
    int sentenceCount = 0;
    int keyWordCount = 0;  ///< every "◆" of the text, wherever it stands
    int dictatedCount = 0; ///< records whose Done field is exactly "1"
    /// New with every read and every record change, never reused: what views derive from the
    /// records (the key words' places) is kept until it changes.
    quint64 revision = 0;
};

/// A revision number no lesson has had before.
quint64 newLessonRevision();

/// Replaces record i (0-based) and its fields; the text is rebuilt by the caller when it saves.
void replaceRecord(Lesson& lesson, qsizetype i, const QString& record);

/// Replaces every record and its fields.
void replaceRecords(Lesson& lesson, const QStringList& records);

/// Most sentences (and full-text elements) a lesson may hold.
inline constexpr int kMaxLessonElements = 32767;

/// The key-word mark that follows a word segment's closing "$".
inline constexpr QChar kKeyWordMark = QChar(0x25C6);

/// Cuts a lesson text into records and counts; a text that is not well formed is refused
/// with a message that names fileName, says what is wrong and in which sentence.
/// Blanks and line breaks after the final "*" are tolerated and dropped.
Result<Lesson> parseLesson(const QString& text, const QString& fileName);

/// The 0-based positions of the first six "#" of a record; nullopt when it has fewer.
std::optional<std::array<qsizetype, 6>> recordFieldBounds(QStringView record);

/// Field k (1..6) of a record: English, Chinese, Start, End, Note, Done. Empty when missing.
QString recordField(QStringView record, int k);

/// The record from its sixth "#" on (the Tail with its opening "#"); empty when missing.
QString recordTail(QStringView record);

/// One display segment of a record's English field.
struct Segment
{
    QString display;     ///< the text before the first "$" (or the whole segment)
    QString word;        ///< the dictionary form between the two "$"; empty for a non-word
    bool isWord = false; ///< the segment carries a "$"
    bool keyWord = false;
    qsizetype caretPos = 0; ///< 0-based position of the "^" that opens the segment
};

/// The 0-based position of the k-th "^" of a record (the opening of segment k, 1-based);
/// -1 when the record has fewer, or k < 1.
qsizetype segmentCaret(QStringView record, int k);

/// One display segment of a record's English field, as parts of the record's own text.
struct SegmentView
{
    QStringView display; ///< the text before the first "$" (or the whole segment)
    QStringView word;    ///< the dictionary form between the two "$"; empty for a non-word
    bool isWord = false; ///< the segment carries a "$"
    bool keyWord = false;
    qsizetype caretPos = 0; ///< 0-based position of the "^" that opens the segment
};

/// The segments of a record's English field, in order, as views valid while record is.
QVector<SegmentView> recordSegmentViews(QStringView record);

/// The segments of a record's English field, in order.
QVector<Segment> recordSegments(QStringView record);

/// The sentence as shown: the display parts of all segments, concatenated.
QString englishDisplayText(QStringView record);

/// The sentence's "Done" state: only the single character "1" counts as dictated.
bool isDictated(QStringView record);

} // namespace kelvaro
