#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kelvaro {

/// Marks (inserts "◆" after the closing "$") or unmarks (drops the one character after it)
/// word segment k (1-based) of a record. nullopt when segment k has no two "$" to work on,
/// or when unmarking finds no mark there.
std::optional<QString> toggleKeyWordMark(const QString& record, int k, bool mark);

/// Replaces the Note and Done fields; everything from the sixth "#" on is kept.
/// The note is made safe first (see safeNoteText). nullopt for a record with fewer than six "#".
std::optional<QString> rewriteRecordTail(const QString& record, const QString& note,
                                         const QString& done);

/// Empties the Done field, keeping everything else. The record unchanged if it has fewer than six
/// "#".
QString clearDoneField(const QString& record);

/// A note that cannot break the record structure: "*" and "#" become "＊" and "＃", and
/// line breaks become blanks.
QString safeNoteText(const QString& note);

/// "*" followed by each record and "*".
QString buildLessonText(const QStringList& records);

} // namespace kelvaro
