#pragma once

#include <QFontMetricsF>
#include <QStringView>

#include <array>
#include <vector>

namespace kelvaro {

/// The widths of printable ASCII texts in one font, exactly as QFontMetricsF::horizontalAdvance()
/// gives them, without shaping each text: the sum of each character's advance and of the
/// adjustment each pair of neighbours gets (kerning, a two-letter ligature), each shaped once.
/// This holds for faces whose shaping of such text looks no further than a pair, as the Latin
/// faces of the views do; QtTextMeasurer uses it for those faces only.
class LatinAdvances
{
public:
    explicit LatinAdvances(const QFont& font);

    /// True when every character of text is printable ASCII (blank to tilde).
    static bool covers(QStringView text);

    /// False when the font's advances are not in Qt's 1/64 pixel steps, so sums would not be
    /// exact; horizontalAdvance() must not be used then.
    bool isExact() const { return m_exact; }

    /// The advance of text in pixels; every character of text is covered.
    qreal horizontalAdvance(QStringView text);

private:
    static constexpr char16_t kFirst = u' ';
    static constexpr int kCount = 0x7F - kFirst;

    /// The advance of text, shaped by Qt, in 1/64 pixel.
    qint32 shaped(const QString& text);
    /// The adjustment of the pair (a, b), measured the first time it is asked for.
    qint32 pair(int a, int b);

    QFontMetricsF m_metrics;
    bool m_exact = true;
    std::array<qint32, kCount> m_advances{};
    std::vector<qint32> m_pairs; ///< kCount x kCount, kUnknown until measured
};

} // namespace kelvaro
