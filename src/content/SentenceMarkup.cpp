#include "SentenceMarkup.h"

namespace kelvaro {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A letter of a word in a learner's sentence: Latin, Greek and Cyrillic letters with their
// accented forms, not ideographs (those stay with the punctuation).
bool isPlainLetter(QChar c)
{
    return c.isLetter() && c.unicode() < 0x0530;
}

// Characters that are markup in the lesson file or in the source line itself.
bool isReserved(QChar c)
{
    return QStringView(u"^$*#[]{}").contains(c);
}

class SentenceReader
{
public:
    SentenceReader(const QString& source, const LemmaSource& words) : m_text(source), m_words(words)
    {
    }

    Result<QVector<SentenceSegment>> read()
    {
        if (m_text.isEmpty())
            return fail(-1, QStringLiteral("the sentence is empty"));
        if (m_text.front().isSpace() || m_text.back().isSpace())
            return fail(-1, QStringLiteral("the sentence begins or ends with a blank"));
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (c.unicode() > 0x7e || (c.unicode() < 0x20))
                return fail(m_pos, QStringLiteral("\"%1\" is not plain English text").arg(c));
            if (c == u' ' && m_pos > 0 && m_text[m_pos - 1] == u' ')
                return fail(m_pos, QStringLiteral("two blanks in a row"));
            if (c == u'[') {
                if (!readKeyWord())
                    return Error{m_error};
            } else if (isAsciiLetter(c)) {
                if (!readWord(false))
                    return Error{m_error};
            } else if (isReserved(c)) {
                return fail(m_pos, QStringLiteral("\"%1\" is out of place").arg(c));
            } else {
                readOther();
            }
        }
        return m_segments;
    }

private:
    Error fail(qsizetype pos, const QString& what)
    {
        m_error = pos < 0 ? what : QStringLiteral("column %1: %2").arg(pos + 1).arg(what);
        return Error{m_error};
    }

    bool readKeyWord()
    {
        const qsizetype open = m_pos++;
        if (m_pos >= m_text.size() || !isAsciiLetter(m_text[m_pos])) {
            fail(open, QStringLiteral("\"[\" must be followed by a word"));
            return false;
        }
        return readWord(true);
    }

    // A word: a letter, then letters with single "'" or "-" between them; then an optional
    // "{lemma}", the "]" of a key word, and the blanks that follow.
    bool readWord(bool keyWord)
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            const bool joined = (c == u'\'' || c == u'-') && m_pos + 1 < m_text.size() &&
                                isAsciiLetter(m_text[m_pos + 1]);
            if (!isAsciiLetter(c) && !joined)
                break;
            ++m_pos;
        }
        SentenceSegment segment;
        segment.display = m_text.mid(start, m_pos - start);
        segment.keyWord = keyWord;

        if (m_pos < m_text.size() && m_text[m_pos] == u'{') {
            const qsizetype close = m_text.indexOf(u'}', m_pos);
            if (close < 0) {
                fail(m_pos, QStringLiteral("\"{\" without \"}\""));
                return false;
            }
            const QString given = m_text.mid(m_pos + 1, close - m_pos - 1);
            segment.lemma = m_words.headwordFor(given);
            if (segment.lemma.isEmpty()) {
                fail(m_pos + 1, QStringLiteral("\"%1\" is not a headword of %2")
                                    .arg(given, m_words.sourceName()));
                return false;
            }
            m_pos = close + 1;
        } else {
            segment.lemma = m_words.lemmaFor(segment.display);
            if (segment.lemma.isEmpty()) {
                fail(start, QStringLiteral("\"%1\" has no entry in %2 (add it, or write %1{lemma})")
                                .arg(segment.display, m_words.sourceName()));
                return false;
            }
        }
        if (keyWord) {
            if (m_pos >= m_text.size() || m_text[m_pos] != u']') {
                fail(m_pos, QStringLiteral("a key word must end with \"]\""));
                return false;
            }
            ++m_pos;
        }
        // One blank: a second one is reported as a fault by read().
        if (m_pos < m_text.size() && m_text[m_pos] == u' ')
            segment.display += m_text[m_pos++];
        m_segments.append(std::move(segment));
        return true;
    }

    // Punctuation, digits and blanks up to the next word.
    void readOther()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (isAsciiLetter(c) || isReserved(c) || c.unicode() > 0x7e || c.unicode() < 0x20)
                break;
            if (c == u' ' && m_pos > start && m_text[m_pos - 1] == u' ')
                break;
            ++m_pos;
        }
        m_segments.append(SentenceSegment{m_text.mid(start, m_pos - start), QString(), false});
    }

    const QString& m_text;
    const LemmaSource& m_words;
    qsizetype m_pos = 0;
    QVector<SentenceSegment> m_segments;
    QString m_error;
};

} // namespace

Result<QVector<SentenceSegment>> segmentSentence(const QString& source, const LemmaSource& words)
{
    return SentenceReader(source, words).read();
}

QString fieldSafeText(const QString& text)
{
    QString safe = text;
    for (QChar& c : safe) {
        if (c == u'^' || c == u'$' || c == u'*' || c == u'#')
            c = QChar(c.unicode() - 0x20 + 0xFF00); // "＾", "＄", "＊", "＃"
        else if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    return safe;
}

QVector<SentenceSegment> segmentPlainSentence(const QString& text, const LemmaSource& words)
{
    QString clean = fieldSafeText(text).simplified();
    clean.replace(QChar(0x2019), u'\''); // a typeset apostrophe joins a word as "'" does
    QVector<SentenceSegment> segments;
    qsizetype pos = 0;
    while (pos < clean.size()) {
        const qsizetype start = pos;
        SentenceSegment segment;
        if (isPlainLetter(clean[pos])) {
            while (pos < clean.size() &&
                   (isPlainLetter(clean[pos]) ||
                    ((clean[pos] == u'\'' || clean[pos] == u'-') && pos + 1 < clean.size() &&
                     isPlainLetter(clean[pos + 1]))))
                ++pos;
            const QString word = clean.mid(start, pos - start);
            segment.lemma = words.lemmaFor(word);
            if (segment.lemma.isEmpty())
                segment.lemma = word.toLower();
            if (pos < clean.size() && clean[pos] == u' ')
                ++pos;
        } else {
            while (pos < clean.size() && !isPlainLetter(clean[pos]) &&
                   !(clean[pos] == u' ' && pos > start && clean[pos - 1] == u' '))
                ++pos;
        }
        segment.display = clean.mid(start, pos - start);
        segments.append(std::move(segment));
    }
    return segments;
}

QString displayText(const QVector<SentenceSegment>& segments)
{
    QString text;
    for (const SentenceSegment& segment : segments)
        text += segment.display;
    return text;
}

QString englishField(const QVector<SentenceSegment>& segments)
{
    QString field = QStringLiteral("^");
    for (const SentenceSegment& segment : segments) {
        field += segment.display;
        if (segment.isWord()) {
            field += QLatin1Char('$') + segment.lemma + QLatin1Char('$');
            if (segment.keyWord)
                field += QChar(0x25C6);
        }
        field += QLatin1Char('^');
    }
    return field;
}

} // namespace kelvaro
