#include "bars/BarSizes.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const CBarSize& s)
{
    return os << s.cx << " x " << s.cy;
}

TEST(BarSizesTest, SizesAroundTheChild)
{
    struct Row {
        int nChild;
        CBarSize floatSize;
        int nDocked;
    };
    for (const Row& row : {Row{150, {150, 150}, 159}, Row{175, {175, 175}, 184}}) {
        CBarSizes sizes;
        sizes.SetForChild(row.nChild);
        EXPECT_EQ(sizes.GetFloatSize(), row.floatSize);
        EXPECT_EQ(sizes.GetThickness(DockSide::Bottom), row.nDocked);
        EXPECT_EQ(sizes.GetThickness(DockSide::Left), row.nDocked);
        EXPECT_EQ(sizes.GetMinSize(), (CBarSize{32, 32}));
    }
}

TEST(BarSizesTest, FixedLayout)
{
    struct Row {
        const char* name;
        DockSide side;
        bool bStretch;
        CFrameDockAreas areas;
        CBarSize expected;
    };
    const Row rows[] = {
        {"floating", DockSide::None, false, {640, 480}, {150, 150}},
        {"bottom follows the top dock area", DockSide::Bottom, false, {640, 480}, {644, 159}},
        {"top without a top dock area", DockSide::Top, false, {std::nullopt, 480}, {32767, 159}},
        {"bottom asked to stretch", DockSide::Bottom, true, {640, 480}, {32767, 159}},
        {"left follows the left dock area", DockSide::Left, false, {640, 480}, {159, 484}},
        {"right without a left dock area", DockSide::Right, false, {640, std::nullopt}, {159, 32767}},
        {"right asked to stretch", DockSide::Right, true, {640, 480}, {159, 32767}},
    };
    CBarSizes sizes;
    sizes.SetForChild(150);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(sizes.CalcFixedLayout(row.side, row.bStretch, row.areas), row.expected);
    }
}

TEST(BarSizesTest, FloatingLayoutByWidthOrHeight)
{
    struct Row {
        const char* name;
        FloatLength nMode;
        int nLength;
        CBarSize expected;
    };
    const Row rows[] = {
        {"by width", FloatLength::ByWidth, 300, {300, 150}},
        {"by height", FloatLength::ByHeight, 90, {150, 90}},
        {"by width below the minimum", FloatLength::ByWidth, 5, {32, 150}},
        {"by height below the minimum", FloatLength::ByHeight, -20, {150, 32}},
        {"no length", FloatLength::None, 999, {150, 150}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CBarSizes sizes;
        sizes.SetForChild(150);
        EXPECT_EQ(sizes.CalcFloatingLayout(row.nMode, row.nLength), row.expected);
        EXPECT_EQ(sizes.GetFloatSize(), row.expected);
    }
}

TEST(BarSizesTest, FloatingCornerResize)
{
    struct Row {
        const char* name;
        FloatCorner nCorner;
        CBarPoint ptCursor;
        CBarSize expected;
        std::optional<int> nFrameLeft;
    };
    // A floating frame at (100, 100)-(270, 285) with a 15-pixel caption; the smallest
    // window is 112 x 27.
    const Row rows[] = {
        {"bottom right grows", FloatCorner::BottomRight, {400, 420}, {300, 305}, std::nullopt},
        {"top right measures from the bottom", FloatCorner::TopRight, {300, 80}, {200, 190}, std::nullopt},
        {"bottom right not below the smallest window", FloatCorner::BottomRight, {120, 110}, {112, 27}, std::nullopt},
        {"bottom left takes off the border and moves the left side", FloatCorner::BottomLeft, {50, 300},
         {217, 185}, 50},
        {"top left", FloatCorner::TopLeft, {70, 70}, {197, 200}, 70},
        {"left side stays the smallest width from the right", FloatCorner::TopLeft, {250, 70}, {112, 200}, 158},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CBarSizes sizes;
        sizes.SetForChild(150);
        const CFloatCornerDrag drag{row.nCorner, row.ptCursor, {100, 100, 270, 285}, 15, {112, 27}};
        const CFloatCornerAnswer answer = sizes.CalcCornerResize(drag, 3);
        EXPECT_EQ(answer.size, row.expected);
        EXPECT_EQ(sizes.GetFloatSize(), row.expected);
        EXPECT_EQ(answer.nFrameLeft, row.nFrameLeft);
    }
}
