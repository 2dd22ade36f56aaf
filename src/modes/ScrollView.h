#pragma once

#include "ViewElement.h"

namespace kelvaro {

/// A page that scrolls vertically inside a frame, with a thumb between two buttons.
/// All in twips, relative to the frame; the page's top is 0 or negative.
struct ScrollView
{
    TwipRect frame;     ///< the viewport (TextPicture, AllWordTextPicture)
    TwipRect page;      ///< the content (MainPicture, AllWordMainPicture)
    int thumbTop = 255; ///< MoveImage, AllWordMoveImage
    int thumbHeight = 600;
    int upButtonTop = 0;   ///< UpCommand, AllWordUpCommand
    int downButtonTop = 0; ///< DownCommand, AllWordDownCommand
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

/// Scrolls by one step of 500 twips up or down, stopping at the page's ends.
void scrollStep(ScrollView& view, bool down);

/// Scrolls by steps (negative: up), as the wheel and the arrow keys do; nothing when the
/// page fits its frame.
void scrollSteps(ScrollView& view, int steps);

} // namespace kelvaro
