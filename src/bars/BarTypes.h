#pragma once

// The docking bars' geometry works in whole pixels. Rectangles hold their left and top edges
// and stop just before their right and bottom edges, so a rectangle's width is right - left.

struct CBarPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CBarPoint&, const CBarPoint&) = default;
};

struct CBarSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CBarSize&, const CBarSize&) = default;
};

struct CBarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(CBarPoint pt) const { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }
    CBarPoint Center() const { return {(left + right) / 2, (top + bottom) / 2}; }
    CBarRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend bool operator==(const CBarRect&, const CBarRect&) = default;
};

// The edge of the frame a bar is docked at; None while it floats.
enum class DockSide { None, Top, Bottom, Left, Right };

// Top and bottom bars lie along the frame's width and are resized in height.
inline bool IsHorizontal(DockSide side) { return side == DockSide::Top || side == DockSide::Bottom; }
inline bool IsVertical(DockSide side) { return side == DockSide::Left || side == DockSide::Right; }

// The thicknesses every bar is drawn with.
struct CBarMetrics {
    int m_nEdgeWidth = 6;
    int m_nBorderWidth = 3;
    int m_nGripperWidth = 20;
};
