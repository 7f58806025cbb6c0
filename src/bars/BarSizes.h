#pragma once

#include "bars/BarTypes.h"

#include <optional>

// What the frame knows of its dock areas when it asks a docked bar for its size.
struct CFrameDockAreas {
    std::optional<int> nTopWidth;    // the top dock area's width, when the frame has one
    std::optional<int> nLeftHeight;  // the left dock area's height, when the frame has one
};

// The length the floating frame gives when it asks for a size by width or by height.
enum class FloatLength { None, ByWidth, ByHeight };

enum class FloatCorner { TopLeft, TopRight, BottomLeft, BottomRight };

// The user drags one of the floating frame's corners.
struct CFloatCornerDrag {
    FloatCorner nCorner = FloatCorner::BottomRight;
    CBarPoint ptCursor;
    CBarRect rectFrame;        // the floating frame, in the cursor's coordinates
    int nCaptionHeight = 0;    // the floating frame's small caption
    CBarSize szMinWindow;      // the system's smallest window
};

struct CFloatCornerAnswer {
    CBarSize size;
    std::optional<int> nFrameLeft;  // where the frame's left side goes, for a left corner
};

// A bar's sizes and its answers to the frame's layout questions.
class CBarSizes {
public:
    // The length answered when the bar is to fill its side.
    static constexpr int kStretch = 32767;

    // The sizes around a child of the given extent: it floats at that size, and docked it gets
    // the border and the sizing edge around it.
    void SetForChild(int nChildExtent, const CBarMetrics& metrics = {});

    const CBarSize& GetMinSize() const { return m_szMin; }
    const CBarSize& GetHorzSize() const { return m_szHorz; }
    const CBarSize& GetVertSize() const { return m_szVert; }
    const CBarSize& GetFloatSize() const { return m_szFloat; }
    // The docked thickness at a side: the horizontal height or the vertical width.
    int GetThickness(DockSide side) const;
    void SetThickness(DockSide side, int nThickness);
    void SetFloatSize(CBarSize size) { m_szFloat = size; }

    // The size for a dock side, or the float size when floating.
    CBarSize CalcFixedLayout(DockSide side, bool bStretch, const CFrameDockAreas& areas) const;
    // An explicit length is a width: it becomes the float width.
    CBarSize SetFloatWidth(int nLength);
    // Floating: the float size, taking the given length as its width or height, never below
    // the minimum.
    CBarSize CalcFloatingLayout(FloatLength nMode, int nLength);
    // Floating, resized by a corner: the float size follows the cursor, never below the
    // system's smallest window; a left corner also moves the frame's left side.
    CFloatCornerAnswer CalcCornerResize(const CFloatCornerDrag& drag, int nBorderWidth);

private:
    CBarSize m_szMin{32, 32};
    CBarSize m_szHorz{200, 200};
    CBarSize m_szVert{200, 200};
    CBarSize m_szFloat{200, 200};
};
