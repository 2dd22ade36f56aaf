#include "TranscriptText.h"

namespace kelvaro {

namespace {

bool isCjkIdeograph(char32_t c)
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// The span [first, end) from the first ideograph to the end of the last one; first < 0 when
// there is none.
struct CjkSpan
{
    qsizetype first = -1;
    qsizetype end = -1;
};

CjkSpan cjkSpan(QStringView text)
{
    CjkSpan span;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        if (isCjkIdeograph(c)) {
            if (span.first < 0)
                span.first = i;
            span.end = i + width;
        }
        i += width - 1;
    }
    return span;
}

bool holdsLatinLetter(QStringView text)
{
    for (const QChar c : text) {
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
            return true;
    }
    return false;
}

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'|' || c == u'\t' || c == QChar(0xFF0F) || c == QChar(0xFF5C);
}

QString plainChinese(QStringView text)
{
    return text.toString().simplified();
}

} // namespace

QString plainEnglish(QStringView text)
{
    QString out = text.toString();
    for (QChar& c : out) {
        switch (c.unicode()) {
        case 0x2018: // ‘ ’ ‚ ‛ and the prime
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
            c = u'\'';
            break;
        case 0x201C: // “ ” „ ‟ and the double prime
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033:
            c = u'"';
            break;
        default:
            break;
        }
    }
    return out.simplified();
}

bool endsWithSentenceStop(QStringView english)
{
    while (!english.isEmpty() && QStringView(u"\"')]\u201D\u2019").contains(english.back()))
        english.chop(1);
    return !english.isEmpty() && QStringView(u".!?\u2026").contains(english.back());
}

BilingualLine splitBilingual(QStringView line)
{
    const CjkSpan cjk = cjkSpan(line);
    if (cjk.first < 0)
        return {plainEnglish(line), {}};
    if (!holdsLatinLetter(line))
        return {{}, plainChinese(line)};

    // English, a separator, then the Chinese: only the separator right before the first
    // ideograph counts, so that "and/or" in the English stays whole.
    const QStringView before = line.left(cjk.first);
    qsizetype sep = before.size() - 1;
    while (sep >= 0 && before[sep].isSpace())
        --sep;
    if (sep >= 0 && isSeparator(before[sep]) && holdsLatinLetter(before.left(sep)))
        return {plainEnglish(before.left(sep)), plainChinese(line.mid(sep + 1))};
    // The Chinese, a separator, then the English: "我叫Tom / My name is Tom".
    const QStringView after = line.mid(cjk.end);
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (isSeparator(after[i])) {
            if (!holdsLatinLetter(after.mid(i + 1)))
                break;
            return {plainEnglish(after.mid(i + 1)), plainChinese(line.left(cjk.end + i))};
        }
    }
    // An English sentence, then its Chinese: "Good morning. 早上好。" or "I love you 我爱你".
    // A lone English word before the Chinese ("Tom 说你好") is part of the Chinese.
    const QString english = plainEnglish(before);
    const bool parted =
        !before.isEmpty() && (before.back().isSpace() || endsWithSentenceStop(english));
    if (parted && !holdsLatinLetter(line.mid(cjk.first)) &&
        (endsWithSentenceStop(english) || english.contains(u' ')))
        return {english, plainChinese(line.mid(cjk.first))};
    return {{}, plainChinese(line)};
}

void appendEnglish(QString& text, const QString& more)
{
    if (more.isEmpty())
        return;
    if (!text.isEmpty())
        text.append(u' ');
    text.append(more);
}

void appendChinese(QString& text, const QString& more)
{
    if (more.isEmpty())
        return;
    const auto latin = [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); };
    if (!text.isEmpty() && (latin(text.back()) || latin(more.front())))
        text.append(u' ');
    text.append(more);
}

Error transcriptError(TranscriptKind kind, const QString& fileName, int line, const QString& what)
{
    const QString file =
        kind == TranscriptKind::PlainText ? QStringLiteral("文本文件") : QStringLiteral("字幕文件");
    if (line > 0) {
        return Error{QStringLiteral("%1 \"%2\" 第 %3 行：%4")
                         .arg(file, fileName, QString::number(line), what)};
    }
    return Error{QStringLiteral("%1 \"%2\"：%3").arg(file, fileName, what)};
}

Error noSentenceError(TranscriptKind kind, const QString& fileName)
{
    return transcriptError(kind, fileName, 0, QStringLiteral("没有找到英文句子"));
}

} // namespace kelvaro
