#include "PlainTextReader.h"

#include "TranscriptText.h"

#include <QRegularExpression>

namespace kelvaro {

namespace {

struct Range
{
    qsizetype start = 0;
    qsizetype end = 0;
};

bool isStop(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == QChar(0x2026);
}

bool isCloser(QChar c)
{
    return QStringView(u"\"')]}\u2019\u201D").contains(c);
}

// Whether the stop run [stop, next word) ends a sentence. A single "." after a title, an
// initial ("J. K.") or a dotted abbreviation ("U.S.", "e.g.") does not, nor does any stop
// before a lower-case word ("etc. and", "\"Really?\" she asked").
bool endsSentenceAt(QStringView text, qsizetype stop, qsizetype stopEnd, qsizetype nextWord)
{
    if (text[nextWord].isLower())
        return false;
    if (stopEnd - stop != 1 || text[stop] != u'.')
        return true;
    qsizetype wordStart = stop;
    while (wordStart > 0 && !text[wordStart - 1].isSpace() &&
           !QStringView(u"\"'([{").contains(text[wordStart - 1]))
        --wordStart;
    const QString word = text.sliced(wordStart, stop - wordStart).toString();
    static const QStringList titles = {
        QStringLiteral("mr"), QStringLiteral("mrs"), QStringLiteral("ms"),
        QStringLiteral("dr"), QStringLiteral("st"),  QStringLiteral("prof"),
        QStringLiteral("jr"), QStringLiteral("sr"),  QStringLiteral("vs")};
    if (titles.contains(word.toLower()))
        return false;
    static const QRegularExpression initialOrDotted(
        QStringLiteral("^(?:[A-Z]|[A-Za-z](?:\\.[A-Za-z])+)$"));
    return !initialOrDotted.match(word).hasMatch();
}

QList<Range> sentenceRanges(QStringView text)
{
    QList<Range> ranges;
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n && text[start].isSpace())
        ++start;
    qsizetype i = start;
    while (i < n) {
        if (!isStop(text[i])) {
            ++i;
            continue;
        }
        qsizetype stopEnd = i;
        while (stopEnd < n && isStop(text[stopEnd]))
            ++stopEnd;
        qsizetype end = stopEnd;
        while (end < n && isCloser(text[end]))
            ++end;
        if (end == n || !text[end].isSpace()) { // "3.5", "U.S.A", "e.g.,"
            i = end;
            continue;
        }
        qsizetype next = end;
        while (next < n && text[next].isSpace())
            ++next;
        if (next == n)
            break;
        if (endsSentenceAt(text, i, stopEnd, next)) {
            ranges.append(Range{start, end});
            start = next;
        }
        i = next;
    }
    if (start < n)
        ranges.append(Range{start, n});
    return ranges;
}

// Chinese split at its own stops, for pairing with the sentences of an English paragraph.
QStringList chineseSentences(const QString& text)
{
    static const QRegularExpression sentence(
        QStringLiteral("[^\\x{3002}\\x{FF01}\\x{FF1F}!?]+(?:[\\x{3002}\\x{FF01}\\x{FF1F}!?]+"
                       "[\\x{201D}\\x{2019}\\x{300D}\\x{300F}\\x{FF09}\\x{300B}\"]*|$)"));
    QStringList out;
    for (auto it = sentence.globalMatch(text); it.hasNext();) {
        const QString s = it.next().captured(0).trimmed();
        if (!s.isEmpty())
            out.append(s);
    }
    return out;
}

// English lines that read as one sentence each: they end with a stop (or are short, like a
// title or "Hi, Tom") and hold at most two sentences. When most English lines are such, the
// text is one sentence per line; otherwise its lines are wrapped paragraphs, joined up to a
// blank or Chinese line and split at the stops. A long line of many sentences is a paragraph
// even when it ends with a stop.
bool isOneSentencePerLine(const QStringList& englishLines)
{
    qsizetype sentenceLike = 0;
    for (const QString& line : englishLines) {
        const bool isShort = line.count(u' ') < 8; // at most eight words
        if ((endsWithSentenceStop(line) || isShort) && sentenceRanges(line).size() <= 2)
            ++sentenceLike;
    }
    return sentenceLike * 2 > englishLines.size();
}

// English lines taken together, with the Chinese that follows them.
struct Block
{
    QString english;
    QList<std::pair<qsizetype, int>> lineStarts; // offset in english -> transcript line
    QStringList chinese;
    bool closed = false;     // no more English joins it
    bool blankAfter = false; // a blank line has come since its last line
};

// The Chinese of each sentence of a block: all of it for a single sentence, else one line or
// one Chinese sentence for each English one; none when they cannot be paired.
QStringList pairedChinese(const Block& block, qsizetype sentences)
{
    QString all;
    for (const QString& line : block.chinese)
        appendChinese(all, line);
    if (sentences == 1)
        return {all};
    if (block.chinese.size() == sentences)
        return block.chinese;
    const QStringList split = chineseSentences(all);
    return split.size() == sentences ? split : QStringList(sentences, QString());
}

} // namespace

QStringList splitSentences(const QString& text)
{
    QStringList out;
    for (const Range& range : sentenceRanges(text))
        out.append(plainEnglish(QStringView(text).sliced(range.start, range.end - range.start)));
    return out;
}

Result<Transcript> readPlainText(const QString& text, const QString& fileName)
{
    const QStringList lines = text.split(u'\n');
    QList<BilingualLine> parts;
    QStringList englishLines;
    for (const QString& line : lines) {
        parts.append(splitBilingual(line));
        if (!parts.back().english.isEmpty())
            englishLines.append(parts.back().english);
    }
    const bool onePerLine = isOneSentencePerLine(englishLines);

    // A Chinese line goes with the English before it, across blank lines unless that English
    // has its Chinese already; a Chinese title before any English has no sentence to go with.
    QList<Block> blocks;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const BilingualLine& part = parts[i];
        if (part.english.isEmpty() && part.chinese.isEmpty()) {
            if (!blocks.isEmpty())
                blocks.back().closed = blocks.back().blankAfter = true;
            continue;
        }
        if (part.english.isEmpty()) {
            Block* block = blocks.isEmpty() ? nullptr : &blocks.back();
            if (block && !(block->blankAfter && !block->chinese.isEmpty())) {
                block->chinese.append(part.chinese);
                block->blankAfter = false;
                block->closed = true;
            }
            continue;
        }
        if (blocks.isEmpty() || blocks.back().closed)
            blocks.append(Block{});
        Block& block = blocks.back();
        block.lineStarts.append(
            {block.english.isEmpty() ? 0 : block.english.size() + 1, int(i + 1)});
        appendEnglish(block.english, part.english);
        if (!part.chinese.isEmpty())
            block.chinese.append(part.chinese);
        block.closed = onePerLine || !part.chinese.isEmpty();
    }

    Transcript transcript{TranscriptKind::PlainText, {}};
    for (const Block& block : blocks) {
        const QList<Range> ranges =
            onePerLine ? QList<Range>{{0, block.english.size()}} : sentenceRanges(block.english);
        const QStringList chinese = pairedChinese(block, ranges.size());
        qsizetype lineIndex = 0; // sentences come in order, so their lines are found in one pass
        for (qsizetype k = 0; k < ranges.size(); ++k) {
            while (lineIndex + 1 < block.lineStarts.size() &&
                   block.lineStarts[lineIndex + 1].first <= ranges[k].start)
                ++lineIndex;
            TranscriptCue cue;
            cue.english =
                plainEnglish(QStringView(block.english)
                                 .sliced(ranges[k].start, ranges[k].end - ranges[k].start));
            cue.chinese = chinese[k];
            cue.line = block.lineStarts[lineIndex].second;
            transcript.cues.append(cue);
        }
    }
    if (transcript.cues.isEmpty())
        return noSentenceError(TranscriptKind::PlainText, fileName);
    return transcript;
}

} // namespace kelvaro
