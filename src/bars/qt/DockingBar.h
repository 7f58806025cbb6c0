#pragma once

#include "bars/BarSizes.h"
#include "bars/BarTracker.h"
#include "bars/NcLayout.h"

#include <QDockWidget>
#include <QPointer>

class CBarClientArea;
class CBarGripper;
class CTrackerOutline;
class QMainWindow;

// A resizable bar that docks against the frame's edges it allows, floats in a small frame of
// its own, is resized by dragging its sizing edge, and hides from its close button. It holds
// one child window that fills its client area.
class CDockingBar : public QDockWidget {
    Q_OBJECT
public:
    ~CDockingBar() override;

    // The bar takes the child as its own and fills its client area with it; a child it held
    // before is deleted.
    void SetChild(QWidget* pChild);
    QWidget* GetChild() const { return m_pChild; }

    void Show();
    void Hide();
    // The frame's show-control-bar: shows or hides as asked.
    void ShowBar(bool bShow) { bShow ? Show() : Hide(); }
    bool IsVisible() const { return !isHidden(); }
    // Floats a docked bar, docks a floating one again where it was.
    void ToggleDocking();

    DockSide GetDockSide() const { return m_nDockSide; }
    const CBarSizes& GetSizes() const { return m_sizes; }
    const CBarMetrics& GetMetrics() const { return m_metrics; }
    // The non-client layout of the bar as it stands now.
    CNcLayout GetNcLayout() const;
    bool IsTracking() const { return m_tracker.IsTracking(); }
    // The outline over the frame while the sizing edge is dragged, or none.
    QWidget* GetTrackerOutline() const;
    CBarGripper* GetGripper() const { return m_pGripper; }
    CBarClientArea* GetClientArea() const { return m_pClientArea; }

protected:
    // A bar that may dock at the given sides and docks at the first one when created, around
    // a child of the given extent.
    CDockingBar(Qt::DockWidgetAreas allowed, Qt::DockWidgetArea first, int nChildExtent);
    // Docks the bar into the frame at its first side, titled, holding the child. False when it
    // was created before.
    bool CreateBar(QMainWindow& frame, QWidget* pChild, const QString& strTitle);

    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CBarGripper;
    friend class CBarClientArea;

    // Mouse events from the gripper and the client area, in the bar's coordinates. A press
    // that is not taken goes on to the dock widget, which starts dragging the bar.
    bool OnNcButtonDown(const QPoint& ptBar);
    void OnNcMouseMove(const QPoint& ptBar, Qt::MouseButtons buttons, QWidget* pSource);
    void OnNcButtonUp();
    void OnClientDoubleClick();
    void OnClientResized(const QSize& size);
    QSize ClientSizeHint() const;
    QSize ClientMinimumSize() const;

    void OnTopLevelChanged(bool bFloating);
    void UpdateDockSide();
    void ApplyThickness();
    void BeginTracking();
    void StopTracking(bool bAccept);
    QRect TrackerInFrame() const;

    const Qt::DockWidgetArea m_nFirstArea;
    const int m_nChildExtent;
    CBarMetrics m_metrics;
    CBarSizes m_sizes;
    CBarTracker m_tracker;
    DockSide m_nDockSide = DockSide::None;
    QPointer<QMainWindow> m_pFrame;
    QPointer<QWidget> m_pChild;
    QPointer<CTrackerOutline> m_pTrackerOutline;
    CBarGripper* m_pGripper;
    CBarClientArea* m_pClientArea;
};
