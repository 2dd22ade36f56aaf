#include "FakeTextMeasurer.h"

namespace kelvaro {

int FakeTextMeasurer::widthOf(const QString& text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() < 0x80 ? kAsciiWidth : kWideWidth;
    return width;
}

QSize FakeTextMeasurer::measure(const QString& text, TextFont font) const
{
    (void)font;
    return {widthOf(text), kLineHeight};
}

int FakeTextMeasurer::lineHeight(TextFont font) const
{
    (void)font;
    return kLineHeight;
}

} // namespace kelvaro
