#include "WordLookup.h"

namespace kelvaro {

namespace {

// The popup's inner margin, and the gaps between its rows (twips).
constexpr int kMargin = 120;
constexpr int kTopMargin = 90;
constexpr int kPronunciationGap = 15;
constexpr int kMeaningGap = 45;
// The pronunciation font is taller than the line it is measured by.
constexpr int kPronunciationSlack = 90;

// Where the pointer is relative to the popup's corner, and how far it flips above.
constexpr int kPointerOffset = 230;
constexpr int kFlipAboveGap = 210;

// The link's gap after the headword: further when a suffix rule found a base form.
constexpr int kLinkGap = 90;
constexpr int kSuffixLinkGap = 110;
constexpr int kLinkRightMargin = 75;

bool isWide(QChar c)
{
    return c.unicode() >= 0x2E80;
}

// Punctuation that never begins a line, and punctuation that never ends one.
bool neverStartsLine(QChar c)
{
    return QStringView(u"，。；：！？、）」』》】,.;:!?)]").contains(c);
}

bool neverEndsLine(QChar c)
{
    return QStringView(u"（「『《【([").contains(c);
}

// The pieces a line may be broken between: after a blank, and around Chinese characters.
QStringList breakUnits(QStringView line)
{
    QStringList units;
    QString current;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (!current.isEmpty()) {
            const QChar previous = current.back();
            const bool breakable = previous == u' ' || isWide(c) || isWide(previous);
            if (breakable && !neverStartsLine(c) && !neverEndsLine(previous)) {
                units.append(current);
                current.clear();
            }
        }
        current += c;
    }
    if (!current.isEmpty())
        units.append(current);
    return units;
}

int width(const QString& text, TextFont font, const TextMeasurer& measurer)
{
    QString shown = text;
    while (shown.endsWith(u' '))
        shown.chop(1); // a blank at the end of a line takes no room
    return measurer.measure(shown, font).width();
}

// The meaning as the label shows it: one kind of line break, nothing blank at the end.
QString shownMeaning(const QString& meaning)
{
    QString shown = meaning;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    qsizetype end = shown.size();
    while (end > 0 && shown[end - 1].isSpace())
        --end;
    shown.truncate(end);
    return shown;
}

} // namespace

int wrappedLineCount(const QString& text, int wrapWidth, TextFont font,
                     const TextMeasurer& measurer)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    int lines = 0;
    for (const QString& paragraph : unified.split(u'\n')) {
        int count = 1;
        QString line;
        for (const QString& unit : breakUnits(paragraph)) {
            const QString candidate = line + unit;
            if (!line.isEmpty() && width(candidate, font, measurer) > wrapWidth) {
                ++count;
                line = unit;
            } else {
                line = candidate;
            }
            // A piece wider than the label on its own runs over more than one line.
            const int alone = width(line, font, measurer);
            if (wrapWidth > 0 && alone > wrapWidth) {
                count += (alone - 1) / wrapWidth;
                line.clear();
            }
        }
        lines += count;
    }
    return qMax(1, lines);
}

void fillWordPopup(WordPopupView& popup, const LookupResult& lookup, const TextMeasurer& measurer)
{
    popup.found = lookup.found;
    popup.WordEnglishTextLabel = lookup.headword;
    popup.WordPronTextLabel = lookup.pronunciation;
    popup.WordChineseTextLabel = shownMeaning(lookup.meaning);
    popup.linkPressed = false;

    const int headwordHeight = measurer.lineHeight(kPopupHeadwordFont);
    popup.headword = {kMargin, kTopMargin,
                      measurer.measure(popup.WordEnglishTextLabel, kPopupHeadwordFont).width(),
                      headwordHeight};

    const int linkHeight = measurer.lineHeight(kPopupMeaningFont);
    const int gap = lookup.found && lookup.viaSuffixRule ? kSuffixLinkGap : kLinkGap;
    popup.link = {popup.headword.right() + gap,
                  popup.headword.top + (headwordHeight - linkHeight) / 2,
                  measurer.measure(wordLinkCaption(), kPopupMeaningFont).width(), linkHeight};

    int popupWidth = kPopupWidth;
    if (popup.link.right() > popupWidth)
        popupWidth = popup.link.right() + kLinkRightMargin;
    popup.openEntry = lookup.found && lookup.openEntry;
    popup.openMark = {};
    if (popup.openEntry) {
        const int markWidth = measurer.measure(openDictionaryMark(), kPopupMeaningFont).width();
        popupWidth = qMax(
            popupWidth, qMax(kOpenPopupWidth, popup.link.right() + kLinkGap + markWidth + kMargin));
        popup.openMark = {popupWidth - kMargin - markWidth, popup.link.top, markWidth, linkHeight};
    }
    const int textWidth = popupWidth - 2 * kMargin;

    popup.pronunciation = {kMargin, popup.headword.bottom() + kPronunciationGap, textWidth,
                           measurer.lineHeight(kPopupPronunciationLine) + kPronunciationSlack};
    // The label wraps long English definitions a little less tightly than the count: an open
    // entry gets a line to spare, so that its last line is never cut.
    const int lines =
        wrappedLineCount(popup.WordChineseTextLabel, textWidth, kPopupMeaningFont, measurer) +
        (popup.openEntry ? 1 : 0);
    popup.meaning = {kMargin, popup.pronunciation.bottom() + kMeaningGap, textWidth,
                     lines * measurer.lineHeight(kPopupMeaningFont)};

    popup.geometry.width = popupWidth;
    popup.geometry.height = popup.meaning.bottom() + kMargin;
}

void placeWordPopup(WordPopupView& popup, QPoint pointer, const TwipRect& window)
{
    TwipRect& g = popup.geometry;
    g.left = pointer.x() - window.left + kPointerOffset;
    if (g.left + g.width > window.width)
        g.left = pointer.x() - window.left - g.width;
    g.top = pointer.y() - window.top + kPointerOffset;
    if (g.top + g.height > window.height)
        g.top = pointer.y() - kFlipAboveGap - window.top - g.height;
    // A pointer outside the window (a lookup by key) still puts the popup inside it.
    g.left = qMax(0, qMin(g.left, window.width - g.width));
    g.top = qMax(0, qMin(g.top, window.height - g.height));
}

} // namespace kelvaro
