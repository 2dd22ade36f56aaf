#pragma once

#include "ViewElement.h"

#include <initializer_list>

namespace kelvaro {

/// A page that scrolls vertically inside a frame, with a thumb between two buttons.
/// All in twips, relative to the frame; the page's top is 0 or negative.
struct ScrollView
{
    TwipRect frame; ///< the viewport
    TwipRect page;  ///< the content
    int thumbTop = 255;
    int thumbHeight = 600;
    int upButtonTop = 0;
    int downButtonTop = 0;
    bool scrollControlsVisible = false;

    bool pageTallerThanFrame() const { return page.height > frame.height; }
    /// The thumb's travel between the top stop (255) and the down button.
    int thumbTravel() const { return downButtonTop - upButtonTop - thumbHeight - 255; }
};

/// Places the thumb for the page's current top: whole percent steps of the travel.
void placeThumb(ScrollView& view);

/// Shows the scroll controls exactly when the page is taller than the frame.
void updateScrollControls(ScrollView& view);

/// Puts the page top so that referenceTop sits in the middle of the frame, clamped to the
/// page's ends; nothing happens unless the page is taller than the frame.
void centreOn(ScrollView& view, int referenceTop);

/// Brings a page top and thumb from elsewhere (the settings file) within their stops: the page
/// between its top and the point where its bottom meets the frame's, the thumb on its track.
void keepWithinStops(ScrollView& view);

/// After the frame or the page changed size: the page back within its stops (at its top when
/// it now fits the frame), the thumb placed for it.
void settleAfterResize(ScrollView& view);

/// Moves the page down until no visible element of the arrays is cut by the frame's top: the
/// topmost line cut shows whole; the thumb follows.
void uncutTopLine(ScrollView& view, std::initializer_list<const ElementArray*> arrays);

/// Scrolls by one step of 500 twips up or down, stopping at the page's ends.
void scrollStep(ScrollView& view, bool down);

/// Scrolls by steps (negative: up), as the wheel and the arrow keys do; nothing when the
/// page fits its frame.
void scrollSteps(ScrollView& view, int steps);

/// Both ends of the page at the frame's top: page top 0, thumb at its top stop.
void scrollToTop(ScrollView& view);

/// The thumb dragged to thumbTop (relative to the up button's top): it stops at its track's
/// ends, and the page follows in whole percent steps. A track too short to move in leaves the
/// page where it is.
void dragThumb(ScrollView& view, int thumbTop);

/// The page following a reading: when the reference element (top and height on the page) has
/// its bottom below the frame, the page moves up by half the frame, or to its end when less
/// than that is left. Nothing happens unless the page is taller than the frame.
void followReading(ScrollView& view, int referenceTop, int referenceHeight);

} // namespace kelvaro
