#include "modes/ScrollView.h"

#include <gtest/gtest.h>

using namespace kelvaro;

namespace {

// A 1000 twip frame over a 3000 twip page: 2000 twips of travel for the page. The thumb
// travels 895 - 240 - 255 = 400 twips, so each percent is 4 twips.
ScrollView makeView(int pageTop, int pageHeight = 3000)
{
    ScrollView view;
    view.frame = {0, 0, 8000, 1000};
    view.page = {0, pageTop, 7700, pageHeight};
    view.upButtonTop = 0;
    view.downButtonTop = 895;
    view.thumbHeight = 240;
    return view;
}

} // namespace

TEST(ScrollView, ThumbMovesInWholePercentSteps)
{
    const struct
    {
        int pageTop;
        int thumbTop;
    } cases[] = {
        {0, 255}, {-19, 255}, {-20, 259}, {-39, 259}, {-1000, 455}, {-1999, 651}, {-2000, 655},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pageTop);
        ScrollView view = makeView(c.pageTop);
        placeThumb(view);
        EXPECT_EQ(view.thumbTop, c.thumbTop);
    }
}

TEST(ScrollView, StepsOf500StopAtThePageEnds)
{
    const struct
    {
        int pageHeight, pageTop;
        bool down;
        int newTop, thumbTop;
    } cases[] = {
        {3000, 0, true, -500, 355},
        {3000, -1500, true, -2000, 655}, // exactly 500 left below
        {3000, -1700, true, -2000, 655}, // less than 500 left: the bottoms meet
        {3000, -2000, true, -2000, 655},
        {3000, -1200, false, -700, 395},
        {3000, -500, false, 0, 255}, // exactly 500 scrolled
        {3000, -300, false, 0, 255},
        {1200, 0, true, -200, 655}, // a page only a little taller than its frame
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.pageTop) + (c.down ? " down" : " up"));
        ScrollView view = makeView(c.pageTop, c.pageHeight);
        scrollStep(view, c.down);
        EXPECT_EQ(view.page.top, c.newTop);
        EXPECT_EQ(view.thumbTop, c.thumbTop);
    }
}

TEST(ScrollView, CentringPutsTheReferenceMidFrameWithinThePageEnds)
{
    const struct
    {
        int referenceTop;
        int pageTop, thumbTop;
    } cases[] = {
        {1500, -1000, 455},
        {200, 0, 255},      // near the top: the page cannot come down past 0
        {2900, -2000, 655}, // near the bottom: the page's bottom meets the frame's
        {500, 0, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.referenceTop);
        ScrollView view = makeView(-700);
        centreOn(view, c.referenceTop);
        EXPECT_EQ(view.page.top, c.pageTop);
        EXPECT_EQ(view.thumbTop, c.thumbTop);
    }
}

TEST(ScrollView, PageThatFitsItsFrameNeitherCentresNorShowsControls)
{
    ScrollView view = makeView(0, 1000);
    view.thumbTop = 300;
    centreOn(view, 900);
    EXPECT_EQ(view.page.top, 0);
    EXPECT_EQ(view.thumbTop, 300);
    updateScrollControls(view);
    EXPECT_FALSE(view.scrollControlsVisible);

    view.page.height = 1001;
    updateScrollControls(view);
    EXPECT_TRUE(view.scrollControlsVisible);
}

TEST(ScrollView, ThumbDragStopsAtTheTrackEndsAndMovesThePageInWholePercent)
{
    const struct
    {
        int dragTo;
        int thumbTop, pageTop;
    } cases[] = {
        {255, 255, 0},     {100, 255, 0},     // above the track: stops at 255
        {259, 259, -20},   {262, 262, -20},   // 1.75 % is 1 %
        {455, 455, -1000}, {655, 655, -2000}, // half way, the bottom
        {900, 655, -2000},                    // below the down button: stops there
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dragTo);
        ScrollView view = makeView(-700);
        dragThumb(view, c.dragTo);
        EXPECT_EQ(view.thumbTop, c.thumbTop);
        EXPECT_EQ(view.page.top, c.pageTop);
    }
}

// Regression: the drag divided by the thumb's travel and the page's overhang, which are zero or
// negative for a short page or a squeezed track.
TEST(ScrollView, ThumbDragOnAShortPageOrASqueezedTrackChangesNothing)
{
    for (const auto& [pageHeight, downButtonTop] :
         {std::pair{800, 895}, std::pair{1000, 895}, std::pair{3000, 495}, std::pair{3000, 300}}) {
        SCOPED_TRACE(std::to_string(pageHeight) + " " + std::to_string(downButtonTop));
        ScrollView view = makeView(0, pageHeight);
        view.downButtonTop = downButtonTop;
        dragThumb(view, 400);
        EXPECT_EQ(view.page.top, 0);
        EXPECT_EQ(view.thumbTop, 255);
    }
}

TEST(ScrollView, FollowingAReadingMovesHalfAViewportOnceTheReferenceLeavesIt)
{
    const struct
    {
        const char* name;
        int pageTop, referenceTop, pageHeight;
        int newTop;
    } cases[] = {
        {"inside the viewport", 0, 700, 3000, 0},
        {"bottom exactly at the frame's bottom", 0, 800, 3000, 0},
        {"bottom below: half a viewport up", 0, 801, 3000, -500},
        {"already scrolled", -500, 1400, 3000, -1000},
        {"less than half left: to the end", -1600, 2500, 3000, -2000},
        {"page fits the frame: nothing", 0, 801, 900, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollView view = makeView(c.pageTop, c.pageHeight);
        followReading(view, c.referenceTop, 200);
        EXPECT_EQ(view.page.top, c.newTop);
        if (c.newTop != c.pageTop) {
            ScrollView placed = view;
            placeThumb(placed);
            EXPECT_EQ(view.thumbTop, placed.thumbTop);
        }
    }
}
