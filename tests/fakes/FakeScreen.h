#pragma once

#include "ports/Screen.h"

namespace kelvaro {

/// A screen whose DPI, size, work area and pointer the test sets. By default a 1920 x 1080
/// screen at 96 DPI with a 40 pixel taskbar at the bottom.
class FakeScreen : public Screen
{
public:
    int logicalDpi() const override { return m_dpi; }
    QSize size() const override { return m_size; }
    QRect workArea() const override { return m_workArea; }
    QPoint pointer() const override { return m_pointer; }

    void setLogicalDpi(int dpi) { m_dpi = dpi; }
    /// The screen size; the work area becomes the whole screen.
    void setSize(QSize size)
    {
        m_size = size;
        m_workArea = QRect(QPoint(0, 0), size);
    }
    void setWorkArea(QRect area) { m_workArea = area; }
    void setPointer(QPoint pointer) { m_pointer = pointer; }

private:
    int m_dpi = 96;
    QSize m_size{1920, 1080};
    QRect m_workArea{0, 0, 1920, 1040};
    QPoint m_pointer;
};

} // namespace kelvaro
