#include "bars/qt/DockingBar.h"

#include "bars/qt/BarClientArea.h"
#include "bars/qt/BarGripper.h"
#include "bars/qt/BarQt.h"
#include "bars/qt/TrackerOutline.h"

#include <QEvent>
#include <QMainWindow>
#include <QStyle>

namespace {

DockSide SideOfArea(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::TopDockWidgetArea: return DockSide::Top;
    case Qt::BottomDockWidgetArea: return DockSide::Bottom;
    case Qt::LeftDockWidgetArea: return DockSide::Left;
    case Qt::RightDockWidgetArea: return DockSide::Right;
    default: return DockSide::None;
    }
}

constexpr QDockWidget::DockWidgetFeatures kFeatures =
    QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable;

}  // namespace

CDockingBar::CDockingBar(Qt::DockWidgetAreas allowed, Qt::DockWidgetArea first, int nChildExtent)
    : m_nFirstArea(first), m_nChildExtent(nChildExtent), m_pGripper(new CBarGripper(*this)),
      m_pClientArea(new CBarClientArea(*this))
{
    setAllowedAreas(allowed);
    setFeatures(kFeatures);
    setTitleBarWidget(m_pGripper);
    setWidget(m_pClientArea);
    connect(this, &QDockWidget::topLevelChanged, this, &CDockingBar::OnTopLevelChanged);
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { UpdateDockSide(); });
}

CDockingBar::~CDockingBar()
{
    // The outline lives on the frame, which may outlast the bar.
    delete m_pTrackerOutline;
}

bool CDockingBar::CreateBar(QMainWindow& frame, QWidget* pChild, const QString& strTitle)
{
    if (m_pFrame != nullptr)
        return false;
    m_pFrame = &frame;
    setWindowTitle(strTitle);
    SetChild(pChild);
    m_sizes.SetForChild(m_nChildExtent, m_metrics);
    frame.addDockWidget(m_nFirstArea, this);
    // A bar is made visible; it keeps the hidden state it had as a window of its own otherwise.
    show();
    UpdateDockSide();
    return true;
}

void CDockingBar::SetChild(QWidget* pChild)
{
    if (m_pChild == pChild)
        return;
    if (m_pChild != nullptr)
        m_pChild->deleteLater();
    m_pChild = pChild;
    if (pChild != nullptr) {
        pChild->setParent(m_pClientArea);
        m_pClientArea->PlaceChild();
        pChild->show();
    }
}

void CDockingBar::Show()
{
    // A bar that was never docked into a frame has no window to show.
    if (m_pFrame != nullptr)
        show();
}

void CDockingBar::Hide()
{
    hide();
}

void CDockingBar::ToggleDocking()
{
    if (isFloating() || m_pFrame != nullptr)
        setFloating(!isFloating());
}

CNcLayout CDockingBar::GetNcLayout() const
{
    return CNcLayout(m_nDockSide, ToBarSize(size()), m_metrics);
}

QWidget* CDockingBar::GetTrackerOutline() const
{
    return m_pTrackerOutline != nullptr && m_pTrackerOutline->isVisible() ? m_pTrackerOutline.data() : nullptr;
}

void CDockingBar::changeEvent(QEvent* event)
{
    // The pointer went to another window: the resize is dropped.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && IsTracking())
        StopTracking(false);
    QDockWidget::changeEvent(event);
}

void CDockingBar::hideEvent(QHideEvent* event)
{
    if (IsTracking())
        StopTracking(false);
    QDockWidget::hideEvent(event);
}

void CDockingBar::resizeEvent(QResizeEvent* event)
{
    QDockWidget::resizeEvent(event);
    // The frame's own splitter beside the bar resizes it too: the bar keeps that thickness
    // for when it docks at this side again.
    if (!IsTracking() && !isFloating() && !isHidden() && m_nDockSide != DockSide::None && m_pFrame != nullptr &&
        SideOfArea(m_pFrame->dockWidgetArea(this)) == m_nDockSide)
        m_sizes.SetThickness(m_nDockSide, IsHorizontal(m_nDockSide) ? height() : width());
}

bool CDockingBar::OnNcButtonDown(const QPoint& ptBar)
{
    switch (GetNcLayout().HitTest(ToBarPoint(ptBar))) {
    case BarHit::Close:
        Hide();
        return true;
    case BarHit::Toggle:
        ToggleDocking();
        return true;
    case BarHit::Gripper:
        return false;
    case BarHit::Edge:
        BeginTracking();
        return true;
    case BarHit::Default:
        break;
    }
    return true;
}

void CDockingBar::OnNcMouseMove(const QPoint& ptBar, Qt::MouseButtons buttons, QWidget* pSource)
{
    if (IsTracking()) {
        if ((buttons & Qt::LeftButton) == 0) {
            // The button came up where this bar never heard of it.
            StopTracking(false);
            return;
        }
        const CBarRect client = GetNcLayout().GetClientRect();
        if (m_tracker.Move({ptBar.x() - client.left, ptBar.y() - client.top}))
            m_pTrackerOutline->setGeometry(TrackerInFrame());
        return;
    }
    if (GetNcLayout().HitTest(ToBarPoint(ptBar)) == BarHit::Edge)
        pSource->setCursor(IsHorizontal(m_nDockSide) ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    else
        pSource->unsetCursor();
}

void CDockingBar::OnNcButtonUp()
{
    if (IsTracking())
        StopTracking(true);
}

void CDockingBar::OnClientDoubleClick()
{
    ToggleDocking();
}

void CDockingBar::OnClientResized(const QSize& size)
{
    // The user resized the floating frame: that is the float size from now on.
    if (m_nDockSide == DockSide::None && isFloating()) {
        m_sizes.CalcFloatingLayout(FloatLength::ByWidth, size.width());
        m_sizes.CalcFloatingLayout(FloatLength::ByHeight, size.height());
    }
}

QSize CDockingBar::ClientSizeHint() const
{
    // Docked, the bar answers its thickness; along the frame it follows the frame. The
    // gripper band comes off the client area's share.
    const CBarSize fixed = m_sizes.CalcFixedLayout(m_nDockSide, false, {});
    const CBarSize floating = m_sizes.GetFloatSize();
    if (IsHorizontal(m_nDockSide))
        return QSize(floating.cx, fixed.cy);
    if (IsVertical(m_nDockSide))
        return QSize(fixed.cx, floating.cy);
    return ToQSize(floating);
}

QSize CDockingBar::ClientMinimumSize() const
{
    const CBarSize min = m_sizes.GetMinSize();
    if (IsHorizontal(m_nDockSide))
        return QSize(0, min.cy);
    if (IsVertical(m_nDockSide))
        return QSize(min.cx, 0);
    return ToQSize(min);
}

void CDockingBar::OnTopLevelChanged(bool bFloating)
{
    if (IsTracking())
        StopTracking(false);
    UpdateDockSide();
    if (bFloating) {
        // The small frame holds the bar at its float size below its caption.
        const int fw = style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this);
        const QSize floatSize = ToQSize(m_sizes.GetFloatSize());
        resize(floatSize + QSize(2 * fw, 2 * fw + m_pGripper->CaptionHeight()));
    }
}

void CDockingBar::UpdateDockSide()
{
    const DockSide side = isFloating() || m_pFrame == nullptr ? DockSide::None : SideOfArea(m_pFrame->dockWidgetArea(this));
    // Docked along the top or bottom, the gripper runs down the bar's left side.
    setFeatures(IsHorizontal(side) ? kFeatures | QDockWidget::DockWidgetVerticalTitleBar : kFeatures);
    const bool bChanged = side != m_nDockSide;
    m_nDockSide = side;
    m_pClientArea->setMinimumSize(ClientMinimumSize());
    m_pGripper->updateGeometry();
    m_pClientArea->updateGeometry();
    m_pClientArea->PlaceChild();
    if (side != DockSide::None)
        ApplyThickness();
    if (bChanged) {
        m_pGripper->update();
        m_pClientArea->update();
    }
}

void CDockingBar::ApplyThickness()
{
    if (m_pFrame == nullptr || m_nDockSide == DockSide::None)
        return;
    m_pFrame->resizeDocks({this}, {m_sizes.GetThickness(m_nDockSide)},
                          IsHorizontal(m_nDockSide) ? Qt::Vertical : Qt::Horizontal);
}

void CDockingBar::BeginTracking()
{
    if (m_pFrame == nullptr || m_nDockSide == DockSide::None)
        return;
    m_tracker.Begin(GetNcLayout());
    if (m_pTrackerOutline == nullptr)
        m_pTrackerOutline = new CTrackerOutline(m_pFrame);
    m_pTrackerOutline->setGeometry(TrackerInFrame());
    m_pTrackerOutline->raise();
    m_pTrackerOutline->show();
    update();
}

void CDockingBar::StopTracking(bool bAccept)
{
    if (m_pTrackerOutline != nullptr)
        m_pTrackerOutline->hide();
    if (!bAccept || m_pFrame == nullptr) {
        m_tracker.Discard();
        return;
    }
    const bool bHorizontal = IsHorizontal(m_nDockSide);
    const int nCurrent = bHorizontal ? height() : width();
    const int nFrameExtent = bHorizontal ? m_pFrame->height() : m_pFrame->width();
    const CBarSize min = m_sizes.GetMinSize();
    m_sizes.SetThickness(m_nDockSide, m_tracker.Accept(nCurrent, nFrameExtent, bHorizontal ? min.cy : min.cx));
    m_pClientArea->updateGeometry();
    ApplyThickness();
}

QRect CDockingBar::TrackerInFrame() const
{
    const QRect r = ToQRect(m_tracker.GetRect());
    return QRect(mapTo(m_pFrame, r.topLeft()), r.size());
}
