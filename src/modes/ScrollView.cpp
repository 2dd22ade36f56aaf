#include "ScrollView.h"

#include <cmath>

namespace kelvaro {

namespace {
constexpr int kScrollStep = 500;
constexpr int kThumbStop = 255;
} // namespace

void placeThumb(ScrollView& view)
{
    const int range = view.page.height - view.frame.height;
    if (range <= 0) {
        view.thumbTop = kThumbStop;
        return;
    }
    const int percent = int(std::floor(double(-view.page.top) / range * 100.0));
    view.thumbTop = kThumbStop + percent * view.thumbTravel() / 100;
}

void updateScrollControls(ScrollView& view)
{
    view.scrollControlsVisible = view.pageTallerThanFrame();
}

void centreOn(ScrollView& view, int referenceTop)
{
    if (!view.pageTallerThanFrame())
        return;
    view.page.top = view.frame.height / 2 - referenceTop;
    placeThumb(view);
    if (view.page.top < -(view.page.height - view.frame.height)) {
        view.page.top = view.frame.height - view.page.height;
        placeThumb(view);
    }
    if (view.page.top > 0) {
        view.page.top = 0;
        placeThumb(view);
    }
}

void keepWithinStops(ScrollView& view)
{
    view.page.top = qBound(qMin(0, view.frame.height - view.page.height), view.page.top, 0);
    const int travel = view.pageTallerThanFrame() ? qMax(0, view.thumbTravel()) : 0;
    view.thumbTop = qBound(kThumbStop, view.thumbTop, kThumbStop + travel);
}

void settleAfterResize(ScrollView& view)
{
    view.page.top = qBound(qMin(0, view.frame.height - view.page.height), view.page.top, 0);
    placeThumb(view);
}

void uncutTopLine(ScrollView& view, std::initializer_list<const ElementArray*> arrays)
{
    // Showing one line whole may cut a taller one beside it (a speaker icon): until none is.
    for (;;) {
        const int shownFrom = -view.page.top;
        int cutTop = shownFrom;
        for (const ElementArray* array : arrays) {
            for (qsizetype i = 1; i < array->size(); ++i) {
                const TwipRect& g = (*array)[i].geometry;
                if ((*array)[i].visible && g.top < cutTop && g.bottom() > shownFrom)
                    cutTop = g.top;
            }
        }
        const int top = qMin(0, -cutTop);
        if (top == view.page.top)
            return; // nothing cut, or the page at its top already
        view.page.top = top;
        placeThumb(view);
    }
}

void scrollSteps(ScrollView& view, int steps)
{
    for (int i = 0; i < qAbs(steps) && view.pageTallerThanFrame(); ++i)
        scrollStep(view, steps > 0);
}

void scrollStep(ScrollView& view, bool down)
{
    if (down) {
        const int rest = view.page.height + view.page.top - view.frame.height;
        if (rest >= kScrollStep)
            view.page.top -= kScrollStep;
        else
            view.page.top = view.frame.height - view.page.height;
    } else {
        if (view.page.top > -kScrollStep)
            view.page.top = 0;
        else
            view.page.top += kScrollStep;
    }
    if (view.page.top > 0)
        view.page.top = 0;
    placeThumb(view);
}

void scrollToTop(ScrollView& view)
{
    view.page.top = 0;
    view.thumbTop = kThumbStop;
}

void dragThumb(ScrollView& view, int thumbTop)
{
    const int travel = view.thumbTravel();
    const int range = view.page.height - view.frame.height;
    if (travel <= 0 || range <= 0)
        return; // a short page or a squeezed track: there is nowhere to drag to
    view.thumbTop = qBound(kThumbStop, thumbTop, kThumbStop + travel);
    const int percent = int(std::floor(double(view.thumbTop - kThumbStop) / travel * 100.0));
    view.page.top = -(percent * range / 100);
}

void followReading(ScrollView& view, int referenceTop, int referenceHeight)
{
    if (!view.pageTallerThanFrame())
        return;
    const int frame = view.frame.height;
    if (referenceTop + view.page.top + referenceHeight <= frame)
        return;
    const int left = view.page.height - frame + view.page.top;
    if (left >= frame / 2)
        view.page.top -= frame / 2;
    else
        view.page.top = frame - view.page.height;
    placeThumb(view);
}

} // namespace kelvaro
