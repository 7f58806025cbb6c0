#include "bars/qt/BarGripper.h"

#include "bars/qt/BarQt.h"
#include "bars/qt/DockingBar.h"
#include "bars/qt/NcPaint.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionDockWidget>

CBarGripper::CBarGripper(CDockingBar& bar) : QWidget(&bar), m_bar(bar)
{
    setMouseTracking(true);
}

bool CBarGripper::IsCaption() const
{
    return m_bar.GetDockSide() == DockSide::None;
}

QPoint CBarGripper::ToBar(const QPoint& pt) const
{
    return mapTo(&m_bar, pt);
}

int CBarGripper::CaptionHeight() const
{
    return fontMetrics().height() + 6;
}

QSize CBarGripper::sizeHint() const
{
    // Docked, the band is as thick as the gripper either way the bar lies.
    if (IsCaption())
        return QSize(2 * CaptionHeight(), CaptionHeight());
    const int n = m_bar.GetMetrics().m_nGripperWidth;
    return QSize(n, n);
}

QSize CBarGripper::minimumSizeHint() const
{
    return sizeHint();
}

QRect CBarGripper::CaptionCloseRect() const
{
    const int h = height();
    return QRect(width() - h + 2, 2, h - 4, h - 4);
}

QRect CBarGripper::CaptionToggleRect() const
{
    return CaptionCloseRect().translated(-height(), 0);
}

void CBarGripper::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!IsCaption()) {
        p.translate(-pos());
        PaintNonClient(p, m_bar.GetNcLayout(), palette());
        return;
    }
    QStyleOptionDockWidget option;
    option.initFrom(&m_bar);
    option.rect = rect();
    option.title = m_bar.windowTitle();
    option.closable = true;
    option.floatable = true;
    option.movable = true;
    style()->drawControl(QStyle::CE_DockWidgetTitle, &option, &p, &m_bar);
    style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this).paint(&p, CaptionCloseRect());
    style()->standardIcon(QStyle::SP_TitleBarNormalButton, nullptr, this).paint(&p, CaptionToggleRect());
}

void CBarGripper::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint pt = event->position().toPoint();
    if (IsCaption()) {
        if (CaptionCloseRect().contains(pt))
            m_bar.Hide();
        else if (CaptionToggleRect().contains(pt))
            m_bar.ToggleDocking();
        else
            event->ignore();
        return;
    }
    if (!m_bar.OnNcButtonDown(ToBar(pt)))
        event->ignore();
}

void CBarGripper::mouseDoubleClickEvent(QMouseEvent* event)
{
    // On the gripper band or the caption, the dock widget toggles the bar itself.
    const QPoint pt = event->position().toPoint();
    if (IsCaption()) {
        if (!CaptionCloseRect().contains(pt) && !CaptionToggleRect().contains(pt))
            event->ignore();
        return;
    }
    if (m_bar.GetNcLayout().HitTest(ToBarPoint(ToBar(pt))) == BarHit::Gripper)
        event->ignore();
}

void CBarGripper::mouseMoveEvent(QMouseEvent* event)
{
    if (IsCaption() && !m_bar.IsTracking()) {
        event->ignore();
        return;
    }
    m_bar.OnNcMouseMove(ToBar(event->position().toPoint()), event->buttons(), this);
    if (!m_bar.IsTracking())
        event->ignore();
}

void CBarGripper::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_bar.IsTracking()) {
        event->ignore();
        return;
    }
    m_bar.OnNcButtonUp();
}
