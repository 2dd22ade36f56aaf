#pragma once

#include "ports/TextMeasurer.h"

namespace kelvaro {

/// Deterministic text sizes for every font: 120 twips per ASCII character, 240 per other
/// character, and lines 300 twips high.
class FakeTextMeasurer : public TextMeasurer
{
public:
    static constexpr int kAsciiWidth = 120;
    static constexpr int kWideWidth = 240;
    static constexpr int kLineHeight = 300;

    QSize measure(const QString& text, TextFont font) const override;
    int lineHeight(TextFont font) const override;

    /// The width measure() gives for text.
    static int widthOf(const QString& text);
};

} // namespace kelvaro
