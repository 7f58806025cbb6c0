#include "TreeImages.h"

#include "projectwindow/ProjectTreeItem.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace TreeImages {

namespace {

constexpr int kSize = 16;

// A page with a folded corner and a coloured band; a selected page is drawn on its band's colour.
void DrawPage(QPainter& p, const QColor& band, bool bSelected)
{
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(10.5, 0.5);
    page.lineTo(13.5, 3.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(QPen(bSelected ? band.darker(150) : QColor(100, 100, 100), 1));
    p.setBrush(bSelected ? band.lighter(170) : QColor(Qt::white));
    p.drawPath(page);
    p.fillRect(QRectF(4, 8, 8, 5), band);
}

void DrawStar(QPainter& p)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 4.5 : 2.0;
        const double a = 3.14159265 / 5 * i - 3.14159265 / 2;
        star << QPointF(11.5 + r * std::cos(a), 4.5 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(150, 100, 0), 1));
    p.setBrush(QColor(255, 200, 0));
    p.drawPolygon(star);
}

void DrawClass(QPainter& p, bool bSelected)
{
    const QColor fill = bSelected ? QColor(120, 200, 120) : QColor(40, 140, 60);
    p.setPen(QPen(QColor(20, 80, 30), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(bSelected ? QColor(20, 60, 20) : QColor(Qt::white));
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, "C");
}

void DrawMethod(QPainter& p, bool bSelected)
{
    const QColor fill = bSelected ? QColor(210, 160, 240) : QColor(130, 60, 170);
    QPolygonF diamond({QPointF(8, 2.5), QPointF(13.5, 8), QPointF(8, 13.5), QPointF(2.5, 8)});
    p.setPen(QPen(QColor(70, 30, 100), 1));
    p.setBrush(fill);
    p.drawPolygon(diamond);
}

}  // namespace

QPixmap Picture(int nImage)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const bool bSelected = nImage % 2 == 1;
    switch (nImage - nImage % 2) {
    case CProjectTreeItem::kJavaFile:
        DrawPage(p, QColor(176, 80, 20), bSelected);
        break;
    case CProjectTreeItem::kMainJavaFile:
        DrawPage(p, QColor(176, 80, 20), bSelected);
        DrawStar(p);
        break;
    case CProjectTreeItem::kHtmlFile:
        DrawPage(p, QColor(30, 100, 190), bSelected);
        break;
    case CProjectTreeItem::kClass:
        DrawClass(p, bSelected);
        break;
    case CProjectTreeItem::kMethod:
        DrawMethod(p, bSelected);
        break;
    default:
        break;
    }
    return pixmap;
}

QIcon ItemIcon(int nImage)
{
    QIcon icon;
    icon.addPixmap(Picture(nImage), QIcon::Normal);
    icon.addPixmap(Picture(nImage + 1), QIcon::Selected);
    return icon;
}

}  // namespace TreeImages
