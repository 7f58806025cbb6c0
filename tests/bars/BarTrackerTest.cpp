#include "bars/BarTracker.h"

#include <gtest/gtest.h>

namespace {

// Presses in the middle of the sizing edge and moves the pointer by (dx, dy), with the
// positions given in client coordinates as the bar receives them.
struct Drag {
    explicit Drag(DockSide side, CBarSize window) : layout(side, window)
    {
        tracker.Begin(layout);
        const CBarPoint centre = layout.GetTrackerRect().Center();
        ptPress = {centre.x - layout.GetClientRect().left, centre.y - layout.GetClientRect().top};
    }
    bool MoveBy(int dx, int dy) { return tracker.Move({ptPress.x + dx, ptPress.y + dy}); }

    CNcLayout layout;
    CBarTracker tracker;
    CBarPoint ptPress;
};

}  // namespace

TEST(BarTrackerTest, AcceptedThickness)
{
    struct Row {
        const char* name;
        DockSide side;
        int dx;
        int dy;
        int nThickness;
        int nFrameExtent;
        int expected;
    };
    const Row rows[] = {
        {"bottom bar dragged up by 40 grows by 40", DockSide::Bottom, 0, -40, 159, 600, 199},
        {"bottom bar dragged down shrinks", DockSide::Bottom, 0, 50, 159, 600, 109},
        {"bottom bar below its minimum stays at 32", DockSide::Bottom, 0, 200, 159, 600, 32},
        {"bottom bar past the far side stops at thickness + frame", DockSide::Bottom, 0, -5000, 159, 600, 759},
        {"top bar dragged down by 40 grows by 40", DockSide::Top, 0, 40, 159, 600, 199},
        {"top bar dragged up shrinks", DockSide::Top, 0, -20, 159, 600, 139},
        {"top bar past the far side", DockSide::Top, 0, 5000, 159, 600, 759},
        {"left bar dragged right by 40 grows by 40", DockSide::Left, 40, 0, 184, 800, 224},
        {"left bar dragged left below the minimum", DockSide::Left, -500, 0, 184, 800, 32},
        {"right bar dragged left by 40 grows by 40", DockSide::Right, -40, 0, 184, 800, 224},
        {"right bar dragged right shrinks", DockSide::Right, 30, 0, 184, 800, 154},
        {"right bar past the far side", DockSide::Right, -5000, 0, 184, 800, 984},
        {"horizontal bar ignores sideways moves", DockSide::Bottom, 300, 0, 159, 600, 159},
        {"vertical bar ignores up and down moves", DockSide::Left, 0, 300, 184, 800, 184},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CBarSize window = IsHorizontal(row.side) ? CBarSize{700, row.nThickness} : CBarSize{row.nThickness, 500};
        Drag drag(row.side, window);
        drag.MoveBy(row.dx, row.dy);
        EXPECT_EQ(drag.tracker.Accept(row.nThickness, row.nFrameExtent, 32), row.expected);
        EXPECT_FALSE(drag.tracker.IsTracking());
    }
}

TEST(BarTrackerTest, OutlineCentreFollowsThePointerAlongOneAxisOnly)
{
    Drag drag(DockSide::Bottom, {700, 159});
    const CBarRect start = drag.tracker.GetRect();
    EXPECT_EQ(start, (CBarRect{0, 0, 700, 6}));
    EXPECT_EQ(drag.tracker.GetStartPoint(), start.Center());
    // Pressing without moving leaves the outline where it is.
    EXPECT_FALSE(drag.MoveBy(0, 0));
    EXPECT_FALSE(drag.MoveBy(120, 0));
    EXPECT_EQ(drag.tracker.GetRect(), start);
    EXPECT_TRUE(drag.MoveBy(0, -40));
    EXPECT_EQ(drag.tracker.GetRect(), start.Offset(0, -40));
}

TEST(BarTrackerTest, RightBarTracksOnItsLeftSide)
{
    Drag drag(DockSide::Right, {184, 500});
    EXPECT_EQ(drag.tracker.GetRect(), (CBarRect{0, 0, 6, 496}));
    EXPECT_TRUE(drag.MoveBy(-25, 0));
    EXPECT_EQ(drag.tracker.GetRect(), (CBarRect{-25, 0, -19, 496}));
}

TEST(BarTrackerTest, DiscardedDragLeavesTheThickness)
{
    Drag drag(DockSide::Bottom, {700, 159});
    drag.MoveBy(0, -40);
    drag.tracker.Discard();
    EXPECT_FALSE(drag.tracker.IsTracking());
    EXPECT_FALSE(drag.MoveBy(0, -80));
    EXPECT_EQ(drag.tracker.Accept(159, 600, 32), 159);
}
