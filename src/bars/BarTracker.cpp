#include "bars/BarTracker.h"

#include <algorithm>

void CBarTracker::Begin(const CNcLayout& layout)
{
    m_nDockSide = layout.GetDockSide();
    m_bTracking = m_nDockSide != DockSide::None;
    // Pointer positions arrive relative to the client area; the outline lives in window
    // coordinates, so they are shifted by the client area's offset: the edge width for bars
    // docked right or bottom, where the edge comes first, and the border width otherwise.
    m_ptClientOrigin = {layout.GetClientRect().left, layout.GetClientRect().top};
    m_rectTracker = layout.GetTrackerRect();
    m_ptStart = m_rectTracker.Center();
}

bool CBarTracker::Move(CBarPoint ptClient)
{
    if (!m_bTracking)
        return false;
    const CBarPoint pt{ptClient.x + m_ptClientOrigin.x, ptClient.y + m_ptClientOrigin.y};
    const CBarPoint centre = m_rectTracker.Center();
    if (IsHorizontal(m_nDockSide)) {
        if (pt.y == centre.y)
            return false;
        m_rectTracker = m_rectTracker.Offset(0, pt.y - centre.y);
    } else {
        if (pt.x == centre.x)
            return false;
        m_rectTracker = m_rectTracker.Offset(pt.x - centre.x, 0);
    }
    return true;
}

int CBarTracker::Accept(int nThickness, int nFrameExtent, int nMinimum)
{
    if (!m_bTracking)
        return nThickness;
    m_bTracking = false;
    const CBarPoint centre = m_rectTracker.Center();
    int nTowardsMiddle = 0;
    switch (m_nDockSide) {
    case DockSide::Top: nTowardsMiddle = centre.y - m_ptStart.y; break;
    case DockSide::Bottom: nTowardsMiddle = m_ptStart.y - centre.y; break;
    case DockSide::Left: nTowardsMiddle = centre.x - m_ptStart.x; break;
    case DockSide::Right: nTowardsMiddle = m_ptStart.x - centre.x; break;
    case DockSide::None: break;
    }
    const int nMost = nThickness + nFrameExtent;
    return std::max(std::min(nThickness + nTowardsMiddle, nMost), nMinimum);
}
