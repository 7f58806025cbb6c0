#include "bars/BarSizes.h"

#include <algorithm>

void CBarSizes::SetForChild(int nChildExtent, const CBarMetrics& metrics)
{
    const int nDocked = nChildExtent + metrics.m_nBorderWidth + metrics.m_nEdgeWidth;
    m_szFloat = {nChildExtent, nChildExtent};
    m_szVert.cx = nDocked;
    m_szHorz.cy = nDocked;
}

int CBarSizes::GetThickness(DockSide side) const
{
    return IsVertical(side) ? m_szVert.cx : m_szHorz.cy;
}

void CBarSizes::SetThickness(DockSide side, int nThickness)
{
    if (IsVertical(side))
        m_szVert.cx = nThickness;
    else if (IsHorizontal(side))
        m_szHorz.cy = nThickness;
}

CBarSize CBarSizes::CalcFixedLayout(DockSide side, bool bStretch, const CFrameDockAreas& areas) const
{
    if (IsHorizontal(side)) {
        const int cx = bStretch || !areas.nTopWidth ? kStretch : *areas.nTopWidth + 4;
        return {cx, m_szHorz.cy};
    }
    if (IsVertical(side)) {
        const int cy = bStretch || !areas.nLeftHeight ? kStretch : *areas.nLeftHeight + 4;
        return {m_szVert.cx, cy};
    }
    return m_szFloat;
}

CBarSize CBarSizes::SetFloatWidth(int nLength)
{
    m_szFloat.cx = nLength;
    return m_szFloat;
}

CBarSize CBarSizes::CalcFloatingLayout(FloatLength nMode, int nLength)
{
    if (nMode == FloatLength::ByWidth)
        m_szFloat.cx = nLength;
    else if (nMode == FloatLength::ByHeight)
        m_szFloat.cy = nLength;
    m_szFloat.cx = std::max(m_szFloat.cx, m_szMin.cx);
    m_szFloat.cy = std::max(m_szFloat.cy, m_szMin.cy);
    return m_szFloat;
}

CFloatCornerAnswer CBarSizes::CalcCornerResize(const CFloatCornerDrag& drag, int nBorderWidth)
{
    const CBarRect& frame = drag.rectFrame;
    const bool bLeft = drag.nCorner == FloatCorner::TopLeft || drag.nCorner == FloatCorner::BottomLeft;
    const bool bTop = drag.nCorner == FloatCorner::TopLeft || drag.nCorner == FloatCorner::TopRight;
    const int cx = bLeft ? frame.right - drag.ptCursor.x - nBorderWidth : drag.ptCursor.x - frame.left;
    const int cy = bTop ? frame.bottom - drag.ptCursor.y - drag.nCaptionHeight
                        : drag.ptCursor.y - frame.top - drag.nCaptionHeight;
    m_szFloat = {std::max(cx, drag.szMinWindow.cx), std::max(cy, drag.szMinWindow.cy)};
    CFloatCornerAnswer answer{m_szFloat, std::nullopt};
    if (bLeft)
        answer.nFrameLeft = std::min(drag.ptCursor.x, frame.right - drag.szMinWindow.cx);
    return answer;
}
