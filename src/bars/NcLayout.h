#pragma once

#include "bars/BarTypes.h"

#include <array>

// What a point of a docked bar's non-client area stands for.
enum class BarHit { Default, Close, Toggle, Gripper, Edge };

// The plain borders drawn around a bar, as bits of GetBorders().
enum BarBorder : unsigned { kBorderLeft = 1, kBorderTop = 2, kBorderRight = 4, kBorderBottom = 8 };

// The non-client layout of a bar window, in the window's own coordinates: where the child's
// client area lies, the sizing edge on the side facing the frame's middle, the gripper band
// with its close and toggle buttons, and which plain borders are drawn. A floating bar has
// nothing of its own: its client area is the whole window.
class CNcLayout {
public:
    CNcLayout() = default;
    CNcLayout(DockSide side, CBarSize window, const CBarMetrics& metrics = {});

    DockSide GetDockSide() const { return m_nDockSide; }
    const CBarRect& GetWindowRect() const { return m_rectWindow; }
    const CBarRect& GetClientRect() const { return m_rectClient; }
    const CBarRect& GetEdgeRect() const { return m_rectEdge; }
    const CBarRect& GetCloseRect() const { return m_rectClose; }
    const CBarRect& GetToggleRect() const { return m_rectToggle; }
    const CBarRect& GetGripperRect() const { return m_rectGripper; }
    // The two raised grip lines, 3 pixels thick, across the gripper band.
    const std::array<CBarRect, 2>& GetGripLines() const { return m_gripLines; }
    unsigned GetBorders() const { return m_nBorders; }

    // Buttons first, then the gripper, then the sizing edge; a floating bar answers Default.
    BarHit HitTest(CBarPoint pt) const;
    // The outline that follows the pointer while the edge is dragged: the edge itself, kept
    // clear of the bottom border on bars docked left or right.
    CBarRect GetTrackerRect() const;

private:
    DockSide m_nDockSide = DockSide::None;
    CBarRect m_rectWindow;
    CBarRect m_rectClient;
    CBarRect m_rectEdge;
    CBarRect m_rectClose;
    CBarRect m_rectToggle;
    CBarRect m_rectGripper;
    std::array<CBarRect, 2> m_gripLines{};
    unsigned m_nBorders = 0;
};
