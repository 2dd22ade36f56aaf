#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvaro {

/// The screen the window lives on, in pixels.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual int logicalDpi() const = 0;
    virtual QSize size() const = 0;
    virtual QRect workArea() const = 0;
    virtual QPoint pointer() const = 0;
};

} // namespace kelvaro
