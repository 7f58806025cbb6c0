#include "bars/NcLayout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const CBarRect& r)
{
    return os << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

namespace {

constexpr CBarSize kWindow{300, 159};

struct SideRow {
    const char* name;
    DockSide side;
    CBarRect client;
    CBarRect edge;
    unsigned borders;
};

// The client insets, the sizing edge and the border left off, per side, on a 300 x 159 window.
const SideRow kSides[] = {
    {"top", DockSide::Top, {20, 3, 297, 153}, {0, 153, 300, 159}, kBorderLeft | kBorderTop | kBorderRight},
    {"bottom", DockSide::Bottom, {20, 6, 297, 156}, {0, 0, 300, 6}, kBorderLeft | kBorderRight | kBorderBottom},
    {"left", DockSide::Left, {3, 20, 294, 156}, {294, 0, 300, 159}, kBorderLeft | kBorderTop | kBorderBottom},
    {"right", DockSide::Right, {6, 20, 297, 156}, {0, 0, 6, 159}, kBorderTop | kBorderRight | kBorderBottom},
    {"floating", DockSide::None, {0, 0, 300, 159}, {}, 0},
};

}  // namespace

TEST(NcLayoutTest, ClientEdgeAndBordersPerSide)
{
    for (const SideRow& row : kSides) {
        SCOPED_TRACE(row.name);
        const CNcLayout layout(row.side, kWindow);
        EXPECT_EQ(layout.GetClientRect(), row.client);
        EXPECT_EQ(layout.GetEdgeRect(), row.edge);
        EXPECT_EQ(layout.GetBorders(), row.borders);
    }
}

TEST(NcLayoutTest, GripperOnTheLeftOfBarsAlongTheTopOrBottom)
{
    for (DockSide side : {DockSide::Top, DockSide::Bottom}) {
        const CNcLayout layout(side, kWindow);
        EXPECT_EQ(layout.GetCloseRect(), (CBarRect{7, 10, 19, 22}));
        EXPECT_EQ(layout.GetToggleRect(), (CBarRect{7, 23, 19, 35}));
        EXPECT_EQ(layout.GetGripperRect(), (CBarRect{0, 40, 20, 159}));
        EXPECT_EQ(layout.GetGripLines()[0], (CBarRect{10, 38, 13, 149}));
        EXPECT_EQ(layout.GetGripLines()[1], (CBarRect{14, 38, 17, 149}));
    }
}

TEST(NcLayoutTest, GripperAlongTheTopOfBarsAtTheSides)
{
    for (DockSide side : {DockSide::Left, DockSide::Right}) {
        const CNcLayout layout(side, {184, 400});
        EXPECT_EQ(layout.GetCloseRect(), (CBarRect{162, 5, 174, 17}));
        EXPECT_EQ(layout.GetToggleRect(), (CBarRect{148, 5, 160, 17}));
        EXPECT_EQ(layout.GetGripperRect(), (CBarRect{0, 0, 144, 16}));
        EXPECT_EQ(layout.GetGripLines()[0], (CBarRect{6, 8, 146, 11}));
        EXPECT_EQ(layout.GetGripLines()[1], (CBarRect{6, 12, 146, 15}));
    }
}

TEST(NcLayoutTest, ClientAreaNeverTurnsInsideOut)
{
    const CNcLayout layout(DockSide::Bottom, {10, 5});
    EXPECT_TRUE(layout.GetClientRect().IsEmpty());
    EXPECT_GE(layout.GetClientRect().Width(), 0);
    EXPECT_GE(layout.GetClientRect().Height(), 0);
}

TEST(NcLayoutTest, HitTest)
{
    struct Row {
        const char* name;
        DockSide side;
        CBarSize window;
        CBarPoint pt;
        BarHit expected;
    };
    const Row rows[] = {
        {"bottom close", DockSide::Bottom, kWindow, {7, 10}, BarHit::Close},
        {"bottom close's last pixel", DockSide::Bottom, kWindow, {18, 21}, BarHit::Close},
        {"bottom toggle", DockSide::Bottom, kWindow, {12, 30}, BarHit::Toggle},
        {"bottom gripper", DockSide::Bottom, kWindow, {10, 100}, BarHit::Gripper},
        {"bottom above the gripper", DockSide::Bottom, kWindow, {3, 38}, BarHit::Default},
        {"bottom edge", DockSide::Bottom, kWindow, {150, 3}, BarHit::Edge},
        {"bottom client", DockSide::Bottom, kWindow, {150, 80}, BarHit::Default},
        {"top edge", DockSide::Top, kWindow, {150, 156}, BarHit::Edge},
        {"top gripper wins over the edge", DockSide::Top, kWindow, {5, 156}, BarHit::Gripper},
        {"left edge", DockSide::Left, {184, 400}, {181, 200}, BarHit::Edge},
        {"left close", DockSide::Left, {184, 400}, {165, 10}, BarHit::Close},
        {"left toggle", DockSide::Left, {184, 400}, {150, 10}, BarHit::Toggle},
        {"left gripper", DockSide::Left, {184, 400}, {60, 8}, BarHit::Gripper},
        {"right edge on its left side", DockSide::Right, {184, 400}, {2, 200}, BarHit::Edge},
        {"right far side is border", DockSide::Right, {184, 400}, {182, 200}, BarHit::Default},
        {"outside the window", DockSide::Bottom, kWindow, {150, -1}, BarHit::Default},
        {"floating leaves it to its frame", DockSide::None, kWindow, {10, 10}, BarHit::Default},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CNcLayout(row.side, row.window).HitTest(row.pt), row.expected);
    }
}

TEST(NcLayoutTest, TrackerIsTheEdgeKeptClearOfTheBottomBorderAtTheSides)
{
    EXPECT_EQ(CNcLayout(DockSide::Bottom, kWindow).GetTrackerRect(), (CBarRect{0, 0, 300, 6}));
    EXPECT_EQ(CNcLayout(DockSide::Left, {184, 400}).GetTrackerRect(), (CBarRect{178, 0, 184, 396}));
    EXPECT_EQ(CNcLayout(DockSide::Right, {184, 400}).GetTrackerRect(), (CBarRect{0, 0, 6, 396}));
}
