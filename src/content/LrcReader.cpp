#include "LrcReader.h"

#include "TranscriptText.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace kelvaro {

namespace {

// One stamp of a line; a line with several stamps gives one for each, all with its text.
struct Stamp
{
    qint64 ms = 0;
    QString english;
    QString chinese;
    int line = 0;
};

// "mm:ss", "mm:ss.xx", "mm:ss.xxx" and "mm:ss:xx"; minutes may run past 59.
std::optional<qint64> stampTime(QStringView tag)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,5}):(\\d{1,2})(?:[.:](\\d{1,3}))?\\s*$"));
    const auto match = pattern.match(tag);
    if (!match.hasMatch())
        return std::nullopt;
    qint64 ms =
        (match.capturedView(1).toLongLong() * 60 + match.capturedView(2).toLongLong()) * 1000;
    // A fraction is a fraction of a second whatever its digits: ".5" is 500 ms, ".05" 50 ms.
    QString fraction = match.captured(3);
    if (!fraction.isEmpty())
        ms += fraction.leftJustified(3, u'0').toLongLong();
    return ms;
}

// "[ti:...]", "[offset:+500]": a name, a colon and anything; never a time.
bool isHeaderTag(QStringView tag)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*[A-Za-z][A-Za-z0-9_#-]*\\s*:"));
    return pattern.match(tag).hasMatch();
}

std::optional<qint64> offsetOf(QStringView tag)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*offset\\s*:\\s*([+-]?\\d{1,9})\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(tag);
    if (!match.hasMatch())
        return std::nullopt;
    return match.capturedView(1).toLongLong(); // QStringView::toLongLong reads a leading "+"
}

// The tags at the start of a line and the text after them.
struct TaggedLine
{
    QList<qint64> stamps;
    bool header = false;
    std::optional<qint64> offset;
    QStringView text;
};

TaggedLine tagsOf(QStringView line)
{
    TaggedLine tagged;
    qsizetype pos = 0;
    while (true) {
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
        if (pos >= line.size() || line[pos] != u'[')
            break;
        const qsizetype close = line.indexOf(u']', pos);
        if (close < 0)
            break;
        const QStringView tag = line.sliced(pos + 1, close - pos - 1);
        if (const auto ms = stampTime(tag)) {
            tagged.stamps.append(*ms);
        } else if (isHeaderTag(tag)) {
            tagged.header = true;
            if (const auto offset = offsetOf(tag))
                tagged.offset = offset;
        } else {
            break; // "[MUSIC]" and the like belong to the text
        }
        pos = close + 1;
    }
    tagged.text = line.sliced(pos);
    return tagged;
}

// Word-by-word timings inside the text: "<00:12.34>", or "[00:12.34]" in some files.
QString withoutWordTimes(QStringView text)
{
    static const QRegularExpression pattern(
        QStringLiteral("<\\d+:\\d+(?:[.:]\\d+)?>|\\[\\d+:\\d+(?:[.:]\\d+)?\\]"));
    return text.toString().remove(pattern);
}

} // namespace

Result<Transcript> readLrc(const QString& text, const QString& fileName)
{
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    QList<Stamp> stamps;
    qint64 offset = 0;
    // The stamps of the line just read, which a Chinese line without a stamp may translate.
    qsizetype lastLineStamps = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const TaggedLine tagged = tagsOf(lines[i]);
        if (tagged.offset)
            offset = *tagged.offset;
        if (tagged.stamps.isEmpty()) {
            const BilingualLine parts = splitBilingual(withoutWordTimes(tagged.text));
            const bool translates = !tagged.header && lastLineStamps > 0 &&
                                    parts.english.isEmpty() && !parts.chinese.isEmpty();
            const auto previous = stamps.end() - lastLineStamps;
            if (translates && std::all_of(previous, stamps.end(), [](const Stamp& s) {
                    return !s.english.isEmpty() && s.chinese.isEmpty();
                })) {
                for (auto s = previous; s != stamps.end(); ++s)
                    s->chinese = parts.chinese;
            }
            lastLineStamps = 0;
            continue;
        }
        const BilingualLine parts = splitBilingual(withoutWordTimes(tagged.text));
        for (const qint64 ms : tagged.stamps)
            stamps.append(Stamp{ms, parts.english, parts.chinese, lineNumber});
        lastLineStamps = tagged.stamps.size();
    }
    if (stamps.isEmpty())
        return transcriptError(TranscriptKind::Lrc, fileName, 0,
                               QStringLiteral("没有找到时间标签，例如 [00:12.34]"));

    // A positive offset makes the lyrics come sooner: the time of a stamp is stamp - offset.
    for (Stamp& stamp : stamps)
        stamp.ms = std::max<qint64>(0, stamp.ms - offset);
    std::stable_sort(stamps.begin(), stamps.end(),
                     [](const Stamp& a, const Stamp& b) { return a.ms < b.ms; });

    // Lines under one time are one cue (the usual bilingual form gives the Chinese the stamp
    // of its English). Every stamp, an empty one too, ends the cue before it; a cue without
    // English ends its predecessor and is then left out, as there is nothing to practise.
    Transcript transcript{TranscriptKind::Lrc, {}};
    QList<TranscriptCue> timed;
    for (qsizetype i = 0; i < stamps.size();) {
        TranscriptCue cue;
        cue.startMs = stamps[i].ms;
        cue.line = stamps[i].line;
        for (; i < stamps.size() && stamps[i].ms == cue.startMs; ++i) {
            appendEnglish(cue.english, stamps[i].english);
            appendChinese(cue.chinese, stamps[i].chinese);
            cue.line = std::min(cue.line, stamps[i].line);
        }
        if (!timed.isEmpty() && timed.back().endMs < 0)
            timed.back().endMs = cue.startMs;
        if (!cue.english.isEmpty() || !cue.chinese.isEmpty())
            timed.append(cue);
    }
    for (const TranscriptCue& cue : timed) {
        if (!cue.english.isEmpty())
            transcript.cues.append(cue);
    }
    if (transcript.cues.isEmpty())
        return noSentenceError(TranscriptKind::Lrc, fileName);
    return transcript;
}

} // namespace kelvaro
