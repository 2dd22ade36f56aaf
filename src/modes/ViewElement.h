#pragma once

#include <QString>
#include <QVector>

namespace kelvaro {

/// A colour as 0xAARRGGBB (the layout of Rgb), so views need no GUI module.
using Rgb = quint32;

inline constexpr Rgb makeRgb(int r, int g, int b)
{
    return 0xFF000000u | (quint32(r & 0xFF) << 16) | (quint32(g & 0xFF) << 8) | quint32(b & 0xFF);
}

/// A rectangle in twips (1/1440 inch); it becomes pixels only where it is drawn.
struct TwipRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(int x, int y) const
    {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

/// Pointer shown over an element.
enum class ElementCursor { Arrow, Hand };

inline constexpr Rgb kBlack = 0xFF000000;
inline constexpr Rgb kWhite = 0xFFFFFFFF;

/// One element of an element array (a word label, a full-text cell, a translation line):
/// drawn and hit-tested by its view's canvas, never a widget of its own.
struct ViewElement
{
    QString caption;
    TwipRect geometry;
    bool visible = false;
    Rgb foreground = kBlack;
    Rgb background = kWhite;
    bool opaque = false;
    bool wraps = false; ///< the caption wraps to the element's width
    ElementCursor cursor = ElementCursor::Arrow;
};

/// An element array: element 0 is the invisible template, never shown or removed.
using ElementArray = QVector<ViewElement>;

/// Removes every element but the template.
inline void clearElements(ElementArray& array)
{
    if (array.size() > 1)
        array.resize(1);
}

/// A colour value of the files (red in the low byte) as an opaque Rgb.
inline Rgb colourFromValue(int value)
{
    return makeRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

/// A Rgb as a colour value of the files (red in the low byte).
inline int valueFromColour(Rgb colour)
{
    return int(((colour >> 16) & 0xFF) | (colour & 0xFF00) | ((colour & 0xFF) << 16));
}

} // namespace kelvaro
