#pragma once

#include "ports/TextMeasurer.h"

#include <QFont>

#include <array>
#include <memory>

class QFontMetricsF;

namespace kelvaro {

/// Maps the content's font names to the faces installed on this desktop ("Arial" to a
/// metric twin, "宋体" to a CJK face, "pron" to one with the phonetic symbols).
void registerFontSubstitutions();

/// The font a view draws its elements in.
QFont fontFor(TextFont font);

/// The font of captions and buttons.
QFont interfaceFont(int pointSize = 10, bool bold = false);

/// Measures with the real fonts at the screen's DPI, in twips.
class QtTextMeasurer : public TextMeasurer
{
public:
    explicit QtTextMeasurer(int logicalDpi);
    ~QtTextMeasurer() override;
    QSize measure(const QString& text, TextFont font) const override;
    int lineHeight(TextFont font) const override;

private:
    const QFontMetricsF& metrics(TextFont font) const;
    double m_twipsPerPixel;
    mutable std::array<std::unique_ptr<QFontMetricsF>, 7> m_metrics;
};

} // namespace kelvaro
