#include "bars/NcLayout.h"

#include <algorithm>

namespace {

// The client area never turns inside out, however small the window.
CBarRect Inset(const CBarRect& r, int left, int top, int right, int bottom)
{
    CBarRect inner{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
    inner.right = std::max(inner.left, inner.right);
    inner.bottom = std::max(inner.top, inner.bottom);
    return inner;
}

}  // namespace

CNcLayout::CNcLayout(DockSide side, CBarSize window, const CBarMetrics& m)
    : m_nDockSide(side), m_rectWindow{0, 0, window.cx, window.cy}, m_rectClient(m_rectWindow)
{
    const int w = window.cx;
    const int h = window.cy;
    const int edge = m.m_nEdgeWidth;
    const int border = m.m_nBorderWidth;
    const int gripper = m.m_nGripperWidth;
    switch (side) {
    case DockSide::None:
        return;
    case DockSide::Top:
        m_rectClient = Inset(m_rectWindow, gripper, border, border, edge);
        m_rectEdge = {0, h - edge, w, h};
        m_nBorders = kBorderLeft | kBorderTop | kBorderRight;
        break;
    case DockSide::Bottom:
        m_rectClient = Inset(m_rectWindow, gripper, edge, border, border);
        m_rectEdge = {0, 0, w, edge};
        m_nBorders = kBorderLeft | kBorderRight | kBorderBottom;
        break;
    case DockSide::Left:
        m_rectClient = Inset(m_rectWindow, border, gripper, edge, border);
        m_rectEdge = {w - edge, 0, w, h};
        m_nBorders = kBorderLeft | kBorderTop | kBorderBottom;
        break;
    case DockSide::Right:
        m_rectClient = Inset(m_rectWindow, edge, gripper, border, border);
        m_rectEdge = {0, 0, edge, h};
        m_nBorders = kBorderTop | kBorderRight | kBorderBottom;
        break;
    }
    if (IsHorizontal(side)) {
        // The gripper runs down the left: buttons at its head, grip lines below them.
        m_rectClose = {7, 10, 19, 22};
        m_rectToggle = m_rectClose.Offset(0, 13);
        m_rectGripper = {0, 40, gripper, h};
        m_gripLines[0] = {10, 38, 13, h - 10};
        m_gripLines[1] = m_gripLines[0].Offset(4, 0);
    } else {
        // The gripper runs along the top: buttons at its right end, grip lines before them.
        m_rectClose = {w - 22, 5, w - 10, 17};
        m_rectToggle = m_rectClose.Offset(-14, 0);
        m_rectGripper = {0, 0, w - 40, 16};
        m_gripLines[0] = {6, 8, w - 38, 11};
        m_gripLines[1] = m_gripLines[0].Offset(0, 4);
    }
}

BarHit CNcLayout::HitTest(CBarPoint pt) const
{
    if (m_nDockSide == DockSide::None || !m_rectWindow.Contains(pt))
        return BarHit::Default;
    if (m_rectClose.Contains(pt))
        return BarHit::Close;
    if (m_rectToggle.Contains(pt))
        return BarHit::Toggle;
    if (m_rectGripper.Contains(pt))
        return BarHit::Gripper;
    if (m_rectEdge.Contains(pt))
        return BarHit::Edge;
    return BarHit::Default;
}

CBarRect CNcLayout::GetTrackerRect() const
{
    CBarRect r = m_rectEdge;
    if (IsVertical(m_nDockSide))
        r.bottom = std::max(r.top, r.bottom - 4);
    return r;
}
