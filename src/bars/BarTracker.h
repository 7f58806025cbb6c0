#pragma once

#include "bars/NcLayout.h"

// The outline that follows the pointer while a docked bar's sizing edge is dragged, and the
// thickness it gives when the drag is accepted.
class CBarTracker {
public:
    // Starts at the bar's sizing edge; the start point is the outline's centre.
    void Begin(const CNcLayout& layout);
    // Moves the outline along the bar's resizing axis only, so that its centre follows the
    // pointer, given in the bar's client coordinates. False when the centre stays where it was.
    bool Move(CBarPoint ptClient);
    // Ends the drag and gives the new thickness: the old one plus the outline's movement
    // towards the frame's middle, at most the old one plus the frame's extent along the axis,
    // at least the minimum. Not tracking: the thickness stays.
    int Accept(int nThickness, int nFrameExtent, int nMinimum);
    // Ends the drag leaving the bar as it was (the pointer went to another window).
    void Discard() { m_bTracking = false; }

    bool IsTracking() const { return m_bTracking; }
    const CBarRect& GetRect() const { return m_rectTracker; }
    CBarPoint GetStartPoint() const { return m_ptStart; }

private:
    DockSide m_nDockSide = DockSide::None;
    CBarPoint m_ptClientOrigin;
    bool m_bTracking = false;
    CBarRect m_rectTracker;
    CBarPoint m_ptStart;
};
