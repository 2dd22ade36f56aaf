#pragma once

#include "modes/ViewElement.h"

#include <QColor>
#include <QRect>
#include <QRectF>

#include <cmath>

namespace kelvaro {

/// Converts the views' twips to pixels at the screen's logical DPI (15 twips a pixel at 96).
class TwipScale
{
public:
    explicit TwipScale(int logicalDpi = 96)
        : m_pixelsPerTwip((logicalDpi > 0 ? logicalDpi : 96) / 1440.0)
    {
    }
    int px(int twips) const { return int(std::lround(twips * m_pixelsPerTwip)); }
    double pxF(int twips) const { return twips * m_pixelsPerTwip; }
    int twips(double pixels) const { return int(std::lround(pixels / m_pixelsPerTwip)); }
    QRect rect(const TwipRect& r) const
    {
        return QRect(px(r.left), px(r.top), px(r.width), px(r.height));
    }
    QRectF rectF(const TwipRect& r) const
    {
        return QRectF(pxF(r.left), pxF(r.top), pxF(r.width), pxF(r.height));
    }

private:
    double m_pixelsPerTwip;
};

inline QColor toQColor(Rgb rgb)
{
    return QColor::fromRgba(rgb);
}

} // namespace kelvaro
