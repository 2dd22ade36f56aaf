#include "Dictionary.h"
#include "Lesson.h"

namespace kelvaro {

std::optional<SentenceWord> getSentenceWord(QStringView record, int k)
{
    const qsizetype caret = segmentCaret(record, k);
    if (caret < 0)
        return std::nullopt;
    qsizetype segmentEnd = record.indexOf(u'^', caret + 1);
    if (segmentEnd < 0)
        segmentEnd = record.size(); // a record cut short after its last "^"
    const QStringView segment = record.sliced(caret + 1, segmentEnd - caret - 1);

    SentenceWord result;
    result.caretPos = caret;
    const qsizetype open = segment.indexOf(u'$');
    if (open >= 0) {
        const qsizetype close = segment.indexOf(u'$', open + 1);
        if (close >= 0)
            result.word = segment.sliced(open + 1, close - open - 1).toString();
    }
    return result;
}

} // namespace kelvaro
