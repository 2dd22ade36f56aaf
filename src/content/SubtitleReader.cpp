#include "SubtitleReader.h"

#include "TranscriptText.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace kelvaro {

namespace {

struct CueTimes
{
    qint64 startMs = 0;
    qint64 endMs = 0;
};

// A cue as written, before its text is cleaned.
struct RawCue
{
    CueTimes times;
    int line = 0;       // its identifier's line, else its timing line
    int timingLine = 0; // where its times are, for the messages about them
    QStringList text;
};

// "hh:mm:ss,mmm" or "mm:ss.mmm", either separator; the fraction is a fraction of a second.
qint64 timeOf(const QRegularExpressionMatch& match, int first)
{
    const qint64 hours = match.capturedView(first).toLongLong();
    const qint64 minutes = match.capturedView(first + 1).toLongLong();
    const qint64 seconds = match.capturedView(first + 2).toLongLong();
    const qint64 fraction = match.captured(first + 3).leftJustified(3, u'0').toLongLong();
    return ((hours * 60 + minutes) * 60 + seconds) * 1000 + fraction;
}

// A line that begins with a digit and holds "-->" is meant as cue times; an arrow inside a
// cue's text is left alone.
bool isTimingLine(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    return !trimmed.isEmpty() && trimmed.front().isDigit() && trimmed.contains(u"-->");
}

std::optional<CueTimes> cueTimes(QStringView line)
{
    static const QString time =
        QStringLiteral("(?:(\\d{1,3}):)?(\\d{1,2}):(\\d{1,2})(?:[,.](\\d{1,3}))?");
    // Settings after the times ("align:start position:10%") are ignored.
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*%1\\s*-->\\s*%1(?:\\s.*)?$").arg(time));
    const auto match = pattern.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    return CueTimes{timeOf(match, 1), timeOf(match, 5)};
}

bool isDigitsOnly(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    return !trimmed.isEmpty() &&
           std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); });
}

QString decodeEntities(const QString& text)
{
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|[A-Za-z]{2,6});"));
    QString out;
    qsizetype done = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        const QString name = match.captured(1);
        QString decoded = match.captured(0); // an unknown name stays as written
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
                const char32_t c = code;
                decoded = QString::fromUcs4(&c, 1);
            }
        } else if (name == u"amp") {
            decoded = QStringLiteral("&");
        } else if (name == u"lt") {
            decoded = QStringLiteral("<");
        } else if (name == u"gt") {
            decoded = QStringLiteral(">");
        } else if (name == u"quot") {
            decoded = QStringLiteral("\"");
        } else if (name == u"apos") {
            decoded = QStringLiteral("'");
        } else if (name == u"nbsp") {
            decoded = QStringLiteral(" ");
        } else if (name == u"lrm" || name == u"rlm") {
            decoded.clear();
        }
        out += QStringView(text).sliced(done, match.capturedStart() - done);
        out += decoded;
        done = match.capturedEnd();
    }
    out += QStringView(text).sliced(done);
    return out;
}

// Strips what stands before the words at the start of a line, in any number and order: a
// dialogue dash, a sound description, a speaker label in capitals.
QString withoutLeadingLabels(const QString& line)
{
    static const QRegularExpression leading(QStringLiteral(
        "^(?:\\s*(?:[-\\x{2010}-\\x{2014}]++(?!\\d)|\\([^()]*\\)|\\x{FF08}[^\\x{FF08}\\x{FF09}]*"
        "\\x{FF09}|[A-Z][A-Z0-9 .'-]*+:(?=\\s|$)))*+\\s*"));
    const auto match = leading.match(line);
    return match.hasMatch() ? line.mid(match.capturedEnd()) : line;
}

// One line of cue text as a learner reads it: tags, "{\an8}" overrides and entities decoded,
// leading speaker labels ("JOHN:", "- ") and sound descriptions ("[MUSIC]", "(laughs)")
// removed; whitespace is left for splitBilingual to collapse.
QString subtitleLineText(const QString& line)
{
    // Each pattern stops at the next opening mark, so a line of a million "[" stays linear.
    static const QRegularExpression overrides(QStringLiteral("\\{\\\\[^{}]*\\}"));
    static const QRegularExpression ruby(QStringLiteral("<(rt|rp)>[^<]*</\\1>"));
    static const QRegularExpression tags(QStringLiteral("</?[A-Za-z][^<>]*>|<\\d[\\d:.]*>"));
    static const QRegularExpression sounds(QStringLiteral(
        "\\[[^\\[\\]]*\\]|\\x{3010}[^\\x{3010}\\x{3011}]*\\x{3011}|[\\x{266A}\\x{266B}]"));
    static const QRegularExpression trailingSound(
        QStringLiteral("(?:\\([^()]*\\)|\\x{FF08}[^\\x{FF08}\\x{FF09}]*\\x{FF09})$"));
    QString text = line;
    text.remove(overrides).remove(ruby).remove(tags);
    // Entities are decoded after the tags are gone, so that "&lt;i&gt;" stays as text.
    text = decodeEntities(text);
    text.remove(sounds);
    text = withoutLeadingLabels(text).trimmed();
    text.remove(trailingSound);
    return text;
}

} // namespace

Result<Transcript> readSubtitles(const QString& text, const QString& fileName, TranscriptKind kind)
{
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    QList<RawCue> raw;
    bool inCue = false;
    int identifierLine = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const int lineNumber = int(i + 1);
        if (isTimingLine(line)) {
            const auto times = cueTimes(line);
            if (!times)
                return transcriptError(kind, fileName, lineNumber,
                                       QStringLiteral("看不懂这一行的时间"));
            raw.append(
                RawCue{*times, identifierLine > 0 ? identifierLine : lineNumber, lineNumber, {}});
            inCue = true;
            identifierLine = 0;
            continue;
        }
        identifierLine = 0;
        if (line.trimmed().isEmpty()) {
            inCue = false;
            continue;
        }
        const bool beforeTiming = i + 1 < lines.size() && isTimingLine(lines[i + 1]);
        if (beforeTiming && (!inCue || isDigitsOnly(line))) {
            identifierLine = lineNumber; // a cue number, or a WebVTT cue identifier
            inCue = false;
            continue;
        }
        if (inCue) {
            raw.back().text.append(line.toString());
        } else if (kind == TranscriptKind::Srt && !raw.isEmpty() && !isDigitsOnly(line)) {
            // A blank line inside a cue's text: the rest still belongs to that cue.
            raw.back().text.append(line.toString());
        }
        // Anything else outside a cue is a WebVTT header, NOTE, STYLE or REGION block.
    }
    if (raw.isEmpty()) {
        const QString example = kind == TranscriptKind::Vtt
                                    ? QStringLiteral("00:01.000 --> 00:02.500")
                                    : QStringLiteral("00:00:01,000 --> 00:00:02,500");
        return transcriptError(kind, fileName, 0,
                               QStringLiteral("没有找到时间，例如 %1").arg(example));
    }
    for (qsizetype k = 0; k < raw.size(); ++k) {
        const RawCue& cue = raw[k];
        if (cue.times.endMs < cue.times.startMs)
            return transcriptError(kind, fileName, cue.timingLine,
                                   QStringLiteral("结束时间早于开始时间"));
        if (k > 0 && cue.times.startMs < raw[k - 1].times.startMs)
            return transcriptError(kind, fileName, cue.timingLine, QStringLiteral("时间倒退了"));
    }

    // Cues with the same times are one sentence: bilingual files often repeat the times for
    // the Chinese. A cue without English is left out, as there is nothing to practise.
    QList<TranscriptCue> cues;
    for (qsizetype k = 0; k < raw.size(); ++k) {
        const bool sameTimes = k > 0 && raw[k].times.startMs == raw[k - 1].times.startMs &&
                               raw[k].times.endMs == raw[k - 1].times.endMs;
        if (!sameTimes) {
            cues.append(
                TranscriptCue{{}, {}, raw[k].times.startMs, raw[k].times.endMs, raw[k].line});
        }
        for (const QString& line : raw[k].text) {
            const BilingualLine parts = splitBilingual(subtitleLineText(line));
            appendEnglish(cues.back().english, parts.english);
            appendChinese(cues.back().chinese, parts.chinese);
        }
    }
    Transcript transcript{kind, {}};
    for (const TranscriptCue& cue : cues) {
        if (cue.english.isEmpty())
            continue;
        // An overlap is clipped rather than refused: many subtitle makers let a line linger.
        if (!transcript.cues.isEmpty() && transcript.cues.back().endMs > cue.startMs)
            transcript.cues.back().endMs = cue.startMs;
        transcript.cues.append(cue);
    }
    if (transcript.cues.isEmpty())
        return noSentenceError(kind, fileName);
    return transcript;
}

} // namespace kelvaro
