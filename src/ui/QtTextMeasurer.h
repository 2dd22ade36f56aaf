#pragma once

#include "ports/TextMeasurer.h"

#include <array>
#include <memory>

namespace kelvaro {

class LatinAdvances;

/// Measures with the real fonts at the screen's DPI, in twips. Each font keeps the widths of the
/// texts it has measured (up to kRememberedTexts, then it starts again), and sums the widths of
/// printable ASCII texts from per-character advances in the Latin faces where that is exact.
class QtTextMeasurer : public TextMeasurer
{
public:
    /// The most widths one font remembers: the texts of a few long lessons.
    static constexpr int kRememberedTexts = 32768;

    explicit QtTextMeasurer(int logicalDpi);
    ~QtTextMeasurer() override;
    QSize measure(const QString& text, TextFont font) const override;
    int lineHeight(TextFont font) const override;

private:
    struct Face;
    Face& face(TextFont font) const;
    int twips(qreal pixels) const;

    double m_twipsPerPixel;
    mutable std::array<std::unique_ptr<Face>, 7> m_faces;
};

} // namespace kelvaro
