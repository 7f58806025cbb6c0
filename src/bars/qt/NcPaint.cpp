#include "bars/qt/NcPaint.h"

#include "bars/NcLayout.h"
#include "bars/qt/BarQt.h"

#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace {

// Highlight above and left, shadow below and right: a raised look.
void Draw3dRect(QPainter& p, const QRect& r, const QColor& light, const QColor& shadow)
{
    if (r.isEmpty())
        return;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), shadow);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), shadow);
}

void DrawCloseGlyph(QPainter& p, const QRect& r, const QColor& ink)
{
    const QRect g = r.adjusted(3, 3, -5, -4);
    p.setPen(ink);
    for (int dx : {0, 1}) {
        p.drawLine(g.topLeft() + QPoint(dx, 0), g.bottomRight() + QPoint(dx, 0));
        p.drawLine(g.topRight() + QPoint(dx, 0), g.bottomLeft() + QPoint(dx, 0));
    }
}

// Left-pointing on a bar along the top or bottom edge, up-pointing on one along a side.
void DrawToggleArrow(QPainter& p, const QRect& r, bool bPointLeft, const QColor& ink)
{
    const QPoint c = r.center();
    QPolygon arrow;
    if (bPointLeft)
        arrow << QPoint(c.x() - 2, c.y()) << QPoint(c.x() + 1, c.y() - 3) << QPoint(c.x() + 1, c.y() + 3);
    else
        arrow << QPoint(c.x(), c.y() - 2) << QPoint(c.x() - 3, c.y() + 1) << QPoint(c.x() + 3, c.y() + 1);
    p.setPen(ink);
    p.setBrush(ink);
    p.drawPolygon(arrow);
}

}  // namespace

void PaintNonClient(QPainter& p, const CNcLayout& layout, const QPalette& palette)
{
    const QColor face = palette.color(QPalette::Button);
    const QColor light = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor ink = palette.color(QPalette::ButtonText);
    const QRect window = ToQRect(layout.GetWindowRect());
    p.fillRect(window, face);
    if (layout.GetDockSide() == DockSide::None)
        return;

    const unsigned borders = layout.GetBorders();
    if ((borders & kBorderTop) != 0)
        p.fillRect(QRect(window.left(), window.top(), window.width(), 1), light);
    if ((borders & kBorderLeft) != 0)
        p.fillRect(QRect(window.left(), window.top(), 1, window.height()), light);
    if ((borders & kBorderBottom) != 0)
        p.fillRect(QRect(window.left(), window.bottom(), window.width(), 1), shadow);
    if ((borders & kBorderRight) != 0)
        p.fillRect(QRect(window.right(), window.top(), 1, window.height()), shadow);
    Draw3dRect(p, ToQRect(layout.GetEdgeRect()), light, shadow);

    for (const CBarRect& line : layout.GetGripLines())
        Draw3dRect(p, ToQRect(line), light, shadow);
    const QRect close = ToQRect(layout.GetCloseRect());
    const QRect toggle = ToQRect(layout.GetToggleRect());
    Draw3dRect(p, close, light, shadow);
    Draw3dRect(p, toggle, light, shadow);
    DrawCloseGlyph(p, close, ink);
    DrawToggleArrow(p, toggle, IsHorizontal(layout.GetDockSide()), ink);
}
