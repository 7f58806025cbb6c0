#include "bars/qt/BarClientArea.h"

#include "bars/qt/BarQt.h"
#include "bars/qt/DockingBar.h"
#include "bars/qt/NcPaint.h"

#include <QMouseEvent>
#include <QPainter>

CBarClientArea::CBarClientArea(CDockingBar& bar) : QWidget(&bar), m_bar(bar)
{
    setMouseTracking(true);
}

QSize CBarClientArea::sizeHint() const
{
    return m_bar.ClientSizeHint();
}

QSize CBarClientArea::minimumSizeHint() const
{
    return m_bar.ClientMinimumSize();
}

QPoint CBarClientArea::ToBar(const QPoint& pt) const
{
    return mapTo(&m_bar, pt);
}

bool CBarClientArea::IsBareClient(const QPoint& pt) const
{
    QWidget* child = m_bar.GetChild();
    if (child != nullptr && child->isVisible() && child->geometry().contains(pt))
        return false;
    if (m_bar.GetDockSide() == DockSide::None)
        return rect().contains(pt);
    return ToQRect(m_bar.GetNcLayout().GetClientRect()).contains(ToBar(pt));
}

void CBarClientArea::PlaceChild()
{
    QWidget* child = m_bar.GetChild();
    if (child == nullptr)
        return;
    if (m_bar.GetDockSide() == DockSide::None)
        child->setGeometry(rect());
    else
        child->setGeometry(ToQRect(m_bar.GetNcLayout().GetClientRect()).translated(-pos()));
}

void CBarClientArea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_bar.GetDockSide() == DockSide::None) {
        p.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    p.translate(-pos());
    PaintNonClient(p, m_bar.GetNcLayout(), palette());
}

void CBarClientArea::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceChild();
    m_bar.OnClientResized(size());
}

void CBarClientArea::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    PlaceChild();
}

void CBarClientArea::mousePressEvent(QMouseEvent* event)
{
    const QPoint pt = event->position().toPoint();
    if (event->button() != Qt::LeftButton || IsBareClient(pt) ||
        m_bar.GetNcLayout().HitTest(ToBarPoint(ToBar(pt))) != BarHit::Edge) {
        event->ignore();
        return;
    }
    m_bar.OnNcButtonDown(ToBar(pt));
}

void CBarClientArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && IsBareClient(event->position().toPoint()))
        m_bar.OnClientDoubleClick();
    else
        event->ignore();
}

void CBarClientArea::mouseMoveEvent(QMouseEvent* event)
{
    m_bar.OnNcMouseMove(ToBar(event->position().toPoint()), event->buttons(), this);
    if (!m_bar.IsTracking())
        event->ignore();
}

void CBarClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bar.IsTracking())
        m_bar.OnNcButtonUp();
    else
        event->ignore();
}
