#include "QtTextMeasurer.h"

#include "Fonts.h"
#include "LatinAdvances.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>

#include <cmath>
#include <optional>

namespace kelvaro {

namespace {

/// The faces whose shaping of printable ASCII looks no further than a pair of neighbours (their
/// layout tables kern pairs and compose marks only): LatinAdvances sums exactly in them.
bool shapesInPairs(const QFont& font)
{
    const QString family = QFontInfo(font).family();
    return family == QStringLiteral("Liberation Sans") ||
           family == QStringLiteral("Liberation Serif");
}

} // namespace

struct QtTextMeasurer::Face
{
    explicit Face(const QFont& font) : metrics(font)
    {
        if (shapesInPairs(font)) {
            latin.emplace(font);
            if (!latin->isExact())
                latin.reset();
        }
    }

    QFontMetricsF metrics;
    std::optional<LatinAdvances> latin;
    QHash<QString, int> widths; ///< twips by text
    int lineHeight = -1;
};

QtTextMeasurer::QtTextMeasurer(int logicalDpi)
    : m_twipsPerPixel(logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0)
{
}

QtTextMeasurer::~QtTextMeasurer() = default;

QtTextMeasurer::Face& QtTextMeasurer::face(TextFont font) const
{
    static_assert(size_t(TextFont::PopupHeadword) + 1 == std::tuple_size_v<decltype(m_faces)>);
    auto& f = m_faces[size_t(font)];
    if (!f)
        f = std::make_unique<Face>(fontFor(font));
    return *f;
}

int QtTextMeasurer::twips(qreal pixels) const
{
    return int(std::ceil(pixels * m_twipsPerPixel));
}

QSize QtTextMeasurer::measure(const QString& text, TextFont font) const
{
    Face& f = face(font);
    if (f.latin && LatinAdvances::covers(text)) {
        const qreal pixels = f.latin->horizontalAdvance(text);
        if (f.latin->isExact())
            return QSize(twips(pixels), lineHeight(font));
        f.latin.reset(); // a step Qt does not take: shape every text from here on
    }
    auto known = f.widths.constFind(text);
    if (known == f.widths.cend()) {
        // Starting again keeps the memory of one font bounded across any number of lessons.
        if (f.widths.size() >= kRememberedTexts)
            f.widths.clear();
        known = f.widths.insert(text, twips(f.metrics.horizontalAdvance(text)));
    }
    return QSize(*known, lineHeight(font));
}

int QtTextMeasurer::lineHeight(TextFont font) const
{
    Face& f = face(font);
    if (f.lineHeight < 0)
        f.lineHeight = twips(f.metrics.height());
    return f.lineHeight;
}

} // namespace kelvaro
