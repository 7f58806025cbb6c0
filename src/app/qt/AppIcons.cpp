#include "AppIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace AppIcons {

namespace {

// A page with a folded corner, a coloured band and a short label.
QPixmap DrawPage(const QColor& band, const QString& label)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(6, 2);
    page.lineTo(21, 2);
    page.lineTo(27, 8);
    page.lineTo(27, 30);
    page.lineTo(6, 30);
    page.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygon({QPoint(21, 2), QPoint(21, 8), QPoint(27, 8)}));
    p.fillRect(QRect(7, 18, 20, 9), band);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(7, 18, 20, 9), Qt::AlignCenter, label);
    return pixmap;
}

}  // namespace

QIcon DocumentIcon(DocumentKind kind)
{
    switch (kind) {
    case kJavaSource:
        return QIcon::fromTheme("text-x-java", QIcon(DrawPage(QColor(176, 80, 20), "JAVA")));
    case kProject:
        return QIcon::fromTheme("folder-development", QIcon(DrawPage(QColor(30, 90, 170), "JPR")));
    case kHtmlPage:
        return QIcon::fromTheme("text-html", QIcon(DrawPage(QColor(30, 130, 60), "HTML")));
    }
    return {};
}

QPixmap TipPicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A light bulb.
    p.setPen(QPen(QColor(120, 100, 20), 2));
    p.setBrush(QColor(255, 230, 90));
    p.drawEllipse(QRectF(12, 4, 24, 24));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(18, 28, 12, 10));
    p.drawLine(QPointF(18, 33), QPointF(30, 33));
    p.setPen(QPen(QColor(120, 100, 20), 1.5));
    p.drawLine(QPointF(20, 20), QPointF(24, 12));
    p.drawLine(QPointF(24, 12), QPointF(28, 20));
    return pixmap;
}

}  // namespace AppIcons
