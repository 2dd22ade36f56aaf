#include "RtfReader.h"

#include "Cp936.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kelvaro {

namespace {

// Groups nested deeper than this share the state of the deepest one: a hostile file cannot
// grow the stack without bound.
constexpr int kMaxDepth = 512;
// Fallback lengths beyond this are nonsense; a brace ends any fallback anyway.
constexpr int kMaxFallback = 64;
// A document that names no character set at all is read as this content's own page, 936.
// "\ansi" alone means Windows-1252 (the rich-text rule); "\ansicpg" and the fonts' character
// sets override it.
constexpr int kDefaultCodePage = 936;

enum class Destination : quint8 { Text, FontTable, Skip };

struct Group
{
    Destination destination = Destination::Text;
    int fallbackLength = 1;          // \ucN
    int font = -1;                   // -1: the document's default font
    int codePage = kDefaultCodePage; // of the \'hh bytes here, from the font or \ansicpg
};

enum class Kind : quint8 {
    Paragraph,
    Line,
    Tab,
    Character,
    Unicode,
    FallbackLength,
    AnsiCodePage,
    FixedCodePage,
    DefaultFont,
    Font,
    Plain,
    FontTable,
    FontCharset,
    FontCodePage,
    Binary,
    SkippedDestination,
};

struct Action
{
    Kind kind;
    char16_t value = 0; // the character of Kind::Character, the page of Kind::FixedCodePage
};

// Destinations whose content is not part of the visible text, separated by blanks.
constexpr std::string_view kSkippedDestinations =
    "colortbl stylesheet info pict object objdata header headerl headerr headerf "
    "footer footerl footerr footerf footnote annotation listtable listoverridetable "
    "listtext pntext pn pntxta pntxtb themedata colorschememapping datastore "
    "latentstyles rsidtbl generator xmlnstbl mmathPr fldinst bkmkstart bkmkend "
    "filetbl revtbl userprops docvar template shppict nonshppict shp shpinst shprslt "
    "xe tc txe atnid atnauthor ftnsep ftnsepc ftncn aftnsep aftnsepc aftncn pgdsctbl "
    "protusertbl wgrffmtfilter passwordhash";

const std::unordered_map<std::string_view, Action>& controlWords()
{
    static const std::unordered_map<std::string_view, Action> words = [] {
        std::unordered_map<std::string_view, Action> w = {
            {"par", {Kind::Paragraph}},
            {"sect", {Kind::Paragraph}},
            {"page", {Kind::Paragraph}},
            {"row", {Kind::Paragraph}},
            {"line", {Kind::Line}},
            {"tab", {Kind::Tab}},
            {"cell", {Kind::Tab}},
            {"nestcell", {Kind::Tab}},
            {"emdash", {Kind::Character, u'\u2014'}},
            {"endash", {Kind::Character, u'\u2013'}},
            {"emspace", {Kind::Character, u'\u2003'}},
            {"enspace", {Kind::Character, u'\u2002'}},
            {"qmspace", {Kind::Character, u'\u2005'}},
            {"bullet", {Kind::Character, u'\u2022'}},
            {"lquote", {Kind::Character, u'\u2018'}},
            {"rquote", {Kind::Character, u'\u2019'}},
            {"ldblquote", {Kind::Character, u'\u201C'}},
            {"rdblquote", {Kind::Character, u'\u201D'}},
            {"zwj", {Kind::Character, u'\u200D'}},
            {"zwnj", {Kind::Character, u'\u200C'}},
            {"ltrmark", {Kind::Character, u'\u200E'}},
            {"rtlmark", {Kind::Character, u'\u200F'}},
            {"u", {Kind::Unicode}},
            {"uc", {Kind::FallbackLength}},
            {"ansicpg", {Kind::AnsiCodePage}},
            {"ansi", {Kind::FixedCodePage, 1252}},
            {"mac", {Kind::FixedCodePage, 10000}},
            {"pc", {Kind::FixedCodePage, 437}},
            {"pca", {Kind::FixedCodePage, 850}},
            {"deff", {Kind::DefaultFont}},
            {"f", {Kind::Font}},
            {"plain", {Kind::Plain}},
            {"fonttbl", {Kind::FontTable}},
            {"fcharset", {Kind::FontCharset}},
            {"cpg", {Kind::FontCodePage}},
            {"bin", {Kind::Binary}},
        };
        for (std::size_t from = 0; from < kSkippedDestinations.size();) {
            std::size_t to = kSkippedDestinations.find(' ', from);
            if (to == std::string_view::npos)
                to = kSkippedDestinations.size();
            w.emplace(kSkippedDestinations.substr(from, to - from),
                      Action{Kind::SkippedDestination});
            from = to + 1;
        }
        return w;
    }();
    return words;
}

// The code page of a font character set; 0 where the set says nothing (DEFAULT_CHARSET).
int charsetCodePage(int charset)
{
    switch (charset) {
    case 0:
        return 1252;
    case 2:
        return 1252; // symbol fonts: the bytes are glyph numbers, Latin-1 is closest
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0;
    }
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSyntax(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

// One pass over the bytes with an explicit group stack: no recursion, and every step of the
// main loop consumes at least one byte, so no input can hang or overflow it.
class RtfParser
{
public:
    explicit RtfParser(const QByteArray& rtf)
        : m_p(rtf.constData()), m_end(rtf.constData() + rtf.size())
    {
        m_out.reserve(rtf.size() / 2);
    }

    QString parse()
    {
        while (m_p < m_end) {
            switch (*m_p) {
            case '{':
                ++m_p;
                m_fallbackLeft = 0;
                openGroup();
                break;
            case '}':
                ++m_p;
                m_fallbackLeft = 0;
                if (!closeGroup())
                    m_p = m_end; // the document ends with its outer group
                break;
            case '\r':
            case '\n': // line breaks of the source are not text
                ++m_p;
                break;
            case '\\':
                readControl();
                break;
            default:
                readText();
                break;
            }
        }
        flushRun();
        // The last paragraph mark closes the document's last paragraph; it adds no line end.
        for (int i = 1; i < m_pendingParagraphs; ++i)
            m_out.append(QLatin1String("\r\n"));
        return std::move(m_out);
    }

private:
    void openGroup()
    {
        if (m_stack.size() >= size_t(kMaxDepth))
            ++m_overflow;
        else
            m_stack.push_back(m_group);
    }

    // False when the outer group of the document has closed.
    bool closeGroup()
    {
        if (m_overflow > 0) {
            --m_overflow;
            return true;
        }
        if (m_stack.empty())
            return true;
        m_group = m_stack.back();
        m_stack.pop_back();
        if (m_stack.empty())
            return false;
        refreshCodePage(); // the font table may have been read inside the group
        return true;
    }

    void readText()
    {
        const char* start = m_p;
        while (m_p < m_end && !isSyntax(*m_p))
            ++m_p;
        qsizetype length = m_p - start;
        if (m_fallbackLeft > 0) {
            const qsizetype skipped = std::min<qsizetype>(length, m_fallbackLeft);
            m_fallbackLeft -= int(skipped);
            start += skipped;
            length -= skipped;
        }
        if (length > 0 && m_group.destination == Destination::Text)
            addBytes(start, length);
    }

    void readControl()
    {
        ++m_p; // the backslash
        if (m_p >= m_end)
            return;
        const char c = *m_p;
        if (isLetter(c)) {
            readControlWord();
            return;
        }
        ++m_p;
        if (c == '\'') {
            const int high = m_p < m_end ? hexValue(*m_p) : -1;
            if (high < 0)
                return;
            ++m_p;
            const int low = m_p < m_end ? hexValue(*m_p) : -1;
            if (low < 0)
                return; // a truncated escape stands for nothing
            ++m_p;
            if (m_fallbackLeft > 0) {
                --m_fallbackLeft;
                return;
            }
            if (m_group.destination == Destination::Text) {
                const char byte = char(high * 16 + low);
                addBytes(&byte, 1);
            }
            return;
        }
        if (m_fallbackLeft > 0) {
            --m_fallbackLeft;
            return;
        }
        if (c == '*') {
            // An optional destination: none of them holds visible text.
            m_group.destination = Destination::Skip;
            return;
        }
        if (m_group.destination != Destination::Text)
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addBytes(&c, 1);
            break;
        case '~':
            addUnit(u'\u00A0');
            break;
        case '_':
            addUnit(u'\u2011');
            break;
        case '\r':
        case '\n': // a backslash before a source line break is a paragraph mark
            ++m_pendingParagraphs;
            break;
        default: // "\-" optional hyphen and the index and formula symbols are not text
            break;
        }
    }

    void readControlWord()
    {
        const char* nameStart = m_p;
        while (m_p < m_end && isLetter(*m_p))
            ++m_p;
        const std::string_view name(nameStart, size_t(m_p - nameStart));
        bool negative = false;
        if (m_p + 1 < m_end && *m_p == '-' && isDigit(m_p[1])) {
            negative = true;
            ++m_p;
        }
        bool hasParameter = false;
        qint64 value = 0;
        while (m_p < m_end && isDigit(*m_p)) {
            hasParameter = true;
            if (value < (qint64(1) << 40)) // saturate: only the range of int matters
                value = value * 10 + (*m_p - '0');
            ++m_p;
        }
        if (m_p < m_end && *m_p == ' ')
            ++m_p; // the delimiter belongs to the control word
        if (negative)
            value = -value;
        const int parameter = int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
        handleWord(name, hasParameter, parameter);
    }

    void handleWord(std::string_view name, bool hasParameter, int parameter)
    {
        const auto& words = controlWords();
        const auto found = words.find(name);
        const Action* action = found == words.end() ? nullptr : &found->second;
        if (action && action->kind == Kind::Binary) {
            // Binary data is skipped wherever it appears, also as a fallback.
            skipBinary(hasParameter ? parameter : 0);
            if (m_fallbackLeft > 0)
                --m_fallbackLeft;
            return;
        }
        if (m_fallbackLeft > 0) {
            --m_fallbackLeft;
            return;
        }
        if (!action || m_group.destination == Destination::Skip)
            return;
        if (m_group.destination == Destination::FontTable) {
            handleFontTableWord(*action, hasParameter, parameter);
            return;
        }
        switch (action->kind) {
        case Kind::Paragraph:
            ++m_pendingParagraphs;
            break;
        case Kind::Line:
            addAscii("\r\n", 2);
            break;
        case Kind::Tab:
            addAscii("\t", 1);
            break;
        case Kind::Character:
            addUnit(action->value);
            break;
        case Kind::Unicode:
            if (!hasParameter)
                break;
            if (parameter > 0xFFFF && parameter <= 0x10FFFF) { // some writers skip the pair
                const char32_t code = char32_t(parameter);
                addUnit(QChar::highSurrogate(code));
                addUnit(QChar::lowSurrogate(code));
            } else {
                addUnit(char16_t(parameter & 0xFFFF)); // negative N stands for N + 65536
            }
            m_fallbackLeft = m_group.fallbackLength;
            break;
        case Kind::FallbackLength:
            m_group.fallbackLength = std::clamp(hasParameter ? parameter : 1, 0, kMaxFallback);
            break;
        case Kind::AnsiCodePage:
            if (parameter > 0) {
                m_ansiCodePage = parameter;
                refreshCodePage();
            }
            break;
        case Kind::FixedCodePage:
            m_ansiCodePage = action->value;
            refreshCodePage();
            break;
        case Kind::DefaultFont:
            m_defaultFont = parameter;
            refreshCodePage();
            break;
        case Kind::Font:
            m_group.font = parameter;
            refreshCodePage();
            break;
        case Kind::Plain:
            m_group.font = -1;
            refreshCodePage();
            break;
        case Kind::FontTable:
            m_group.destination = Destination::FontTable;
            break;
        case Kind::SkippedDestination:
            m_group.destination = Destination::Skip;
            break;
        case Kind::FontCharset:
        case Kind::FontCodePage:
        case Kind::Binary:
            break;
        }
    }

    void handleFontTableWord(const Action& action, bool hasParameter, int parameter)
    {
        switch (action.kind) {
        case Kind::Font:
            m_definedFont = parameter;
            break;
        case Kind::FontCharset:
            if (const int page = charsetCodePage(parameter))
                m_fontCodePages[m_definedFont] = page;
            break;
        case Kind::FontCodePage:
            if (hasParameter && parameter > 0)
                m_fontCodePages[m_definedFont] = parameter;
            break;
        case Kind::SkippedDestination:
            m_group.destination = Destination::Skip;
            break;
        default:
            break;
        }
    }

    void skipBinary(int count)
    {
        if (count > 0)
            m_p += std::min<qsizetype>(count, m_end - m_p);
    }

    void refreshCodePage()
    {
        const int font = m_group.font >= 0 ? m_group.font : m_defaultFont;
        const auto found = m_fontCodePages.find(font);
        m_group.codePage = found != m_fontCodePages.end() ? found->second : m_ansiCodePage;
    }

    // Bytes are collected and decoded together: a double-byte character is two escapes.
    void addBytes(const char* data, qsizetype length)
    {
        flushParagraphs();
        if (!m_run.isEmpty() && m_runCodePage != m_group.codePage)
            flushRun();
        m_runCodePage = m_group.codePage;
        m_run.append(data, length);
    }

    // ASCII means the same in every page, so it may join a pending byte run.
    void addAscii(const char* data, qsizetype length)
    {
        flushParagraphs();
        appendAscii(data, length);
    }

    void appendAscii(const char* data, qsizetype length)
    {
        if (m_run.isEmpty())
            m_out.append(QLatin1String(data, length));
        else
            m_run.append(data, length);
    }

    void addUnit(char16_t unit)
    {
        flushParagraphs();
        flushRun();
        m_out.append(QChar(unit));
    }

    // Paragraph marks wait until more text follows: only the very last one is dropped.
    void flushParagraphs()
    {
        for (; m_pendingParagraphs > 0; --m_pendingParagraphs)
            appendAscii("\r\n", 2);
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        m_out.append(decodeCodePage(m_run, m_runCodePage));
        m_run.resize(0); // keeps the buffer for the next run
    }

    const char* m_p;
    const char* const m_end;
    std::vector<Group> m_stack;
    Group m_group;
    int m_overflow = 0;
    int m_fallbackLeft = 0;
    int m_ansiCodePage = kDefaultCodePage;
    int m_defaultFont = 0;
    int m_definedFont = -1;
    std::unordered_map<int, int> m_fontCodePages;
    QString m_out;
    QByteArray m_run;
    int m_runCodePage = kDefaultCodePage;
    int m_pendingParagraphs = 0;
};

} // namespace

QString rtfToPlainText(const QByteArray& rtf)
{
    return RtfParser(rtf).parse();
}

} // namespace kelvaro
