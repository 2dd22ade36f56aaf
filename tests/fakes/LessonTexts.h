#pragma once

#include <QString>
#include <QStringList>

namespace kelvaro {

/// One sentence record: english is the segment field as stored ("^Hello$hello$^.^").
inline QString lessonRecord(const QString& english, const QString& chinese, const QString& start,
                            const QString& end, const QString& note = {}, const QString& done = {})
{
    return english + u'#' + chinese + u'#' + start + u'#' + end + u'#' + note + u'#' + done + u'#';
}

/// A lesson text of these records: "*" record "*" record ... "*".
inline QString lessonText(const QStringList& records)
{
    return QLatin1Char('*') + records.join(QLatin1Char('*')) + QLatin1Char('*');
}

/// A book list text of these names: "^" name "^" ... "^".
inline QString bookListText(const QStringList& names)
{
    return QLatin1Char('^') + names.join(QLatin1Char('^')) + QLatin1Char('^');
}

} // namespace kelvaro
